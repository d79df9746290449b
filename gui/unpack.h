// The decoder of the packed stream that carries the skin picture: magic "QZ",
// the unpacked length, a checksum (0 = none), then a bit stream read in
// 32-bit little-endian words, most significant bit first. Portable.
#pragma once

#include <cstdint>

inline constexpr int32_t PACKED_HEADER_SIZE = 10;

// Unpacks the stream at source (sourceSize bytes) into destination, which
// holds destinationSize bytes. Returns the number of bytes written, or 0
// when the magic is wrong, the unpacked length does not fit, the stream is
// corrupt (it would read past its end, write past the unpacked length or copy
// from before the start of the output) or the checksum does not match.
int32_t Unpack(const void* source, int32_t sourceSize, void* destination, int32_t destinationSize);

// The checksum over the first length bytes: 32-bit little-endian words, the
// last one overlapping its predecessor when length is not a multiple of 4;
// 0 for lengths below 4.
uint32_t PackChecksum(const uint8_t* data, uint32_t length);
