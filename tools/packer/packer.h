// The packer: writes the packed stream that Unpack reads, with a real match
// search, and the checksum of the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How many tokens of each kind a stream holds; the tests use it to see that
// the packer really uses each part of the format.
struct PackStatistics {
  uint32_t literals = 0;
  uint32_t narrowLiterals = 0;  // literals written at width 7
  uint32_t zeroBytes = 0;
  uint32_t shortCopies = 0;
  uint32_t nearMatches = 0;
  uint32_t matches = 0;
  uint32_t farMatches = 0;  // matches with offsets of 65536 and more
  uint32_t repeatMatches = 0;
  uint32_t rawBlocks = 0;  // blocks of 256 bytes
  uint32_t literalSetups = 0;
  uint32_t offsetWidthChanges = 0;
  // Matches by their length adjustment (index = adjustment 0..4).
  uint32_t matchesByAdjustment[5] = {};
};

// The packed stream of size bytes: magic, unpacked length, checksum, bits.
// Empty when size does not fit the 31-bit lengths the decoder takes.
std::vector<uint8_t> PackStream(const uint8_t* data, size_t size);
std::vector<uint8_t> PackStream(const uint8_t* data, size_t size, PackStatistics* statistics);
