// Fuzz target: any settings file of up to 16 bytes, in a private folder.
// Loading a file of exactly 8 bytes must give its two little-endian values
// (a level other than 1, 2 and 3 as 1); a file of any other length, or none,
// keeps the flag and starts at level 1. Saving must leave exactly the 8 new
// bytes. No file may stay open.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/settings.h"
#include "engine/generator.h"
#include "runtime/files.h"
#include "runtime/memory.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr char NAME[] = "sudoku.syd";
constexpr size_t LONGEST = 16;
constexpr int32_t SENTINEL_FLAG = 0x5EED0001;
constexpr int32_t SENTINEL_LEVEL = 0x5EED0002;

char folder[64];
int lowestFreeDescriptor = -1;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A fresh file each time: truncating one in place makes some file systems
// flush it, which costs a hundredfold.
void WriteFile(const Bytes& bytes) {
  unlink(NAME);
  const int file = open(NAME, O_WRONLY | O_CREAT | O_EXCL, 0644);
  Require(file >= 0);
  Require(bytes.empty() || write(file, bytes.data(), bytes.size()) == ssize_t(bytes.size()));
  close(file);
}

Bytes ReadFile() {
  Bytes bytes(LONGEST + 8);
  const int file = open(NAME, O_RDONLY);
  if (file < 0) return {};
  const ssize_t count = read(file, bytes.data(), bytes.size());
  close(file);
  Require(count >= 0);
  bytes.resize(size_t(count));
  return bytes;
}

// The value at offset, little-endian, bytes past the end taken as 0.
int32_t ValueAt(const Bytes& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4 && offset + i < bytes.size(); ++i) value |= uint32_t(bytes[offset + i]) << (8 * i);
  return int32_t(value);
}

void PutValue(Bytes& bytes, size_t offset, int32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = uint8_t(uint32_t(value) >> (8 * i));
}

// The next descriptor the system hands out: higher than at start-up when a
// file was left open.
int NextDescriptor() {
  const int probe = open("/dev/null", O_RDONLY);
  Require(probe >= 0);
  close(probe);
  return probe;
}

void Load() {
  donatedFlag = SENTINEL_FLAG;
  difficultyLevel = SENTINEL_LEVEL;
  LoadSettings();
}

void Save(int32_t flag, int32_t level) {
  donatedFlag = flag;
  difficultyLevel = level;
  SaveSettings();
}

void RemoveFolder() {
  unlink(NAME);
  rmdir(folder);
}

}  // namespace

// Memory-backed when the system has it: thousands of files a second.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  const int length = std::snprintf(folder, sizeof folder, "%s/tessel-settings-XXXXXX", base);
  if (length <= 0 || static_cast<size_t>(length) >= sizeof folder || !MainHeapCreate() || !FileLayerStart() || !mkdtemp(folder) || chdir(folder) != 0) {
    std::perror("settings fuzz set-up");
    std::abort();
  }
  if (std::atexit(RemoveFolder) != 0) std::perror("settings fuzz clean-up");
  lowestFreeDescriptor = NextDescriptor();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes old(data, data + (size < LONGEST ? size : LONGEST));
  WriteFile(old);
  Load();
  const bool whole = old.size() == 8;
  const int32_t stored = ValueAt(old, 4);
  Require(donatedFlag == (whole ? ValueAt(old, 0) : SENTINEL_FLAG));
  Require(difficultyLevel == (whole && stored >= 1 && stored <= 3 ? stored : 1));

  const int32_t flag = ~ValueAt(old, 0);
  const int32_t level = ValueAt(old, 4) ^ 0x01020304;
  Save(flag, level);
  Bytes expected(8);
  PutValue(expected, 0, flag);
  PutValue(expected, 4, level);
  Require(ReadFile() == expected);

  // No file: loading keeps the flag and makes nothing; saving makes one.
  unlink(NAME);
  Load();
  Require(donatedFlag == SENTINEL_FLAG && difficultyLevel == 1);
  Require(access(NAME, F_OK) != 0);
  Save(flag, level);
  Require(ReadFile() == expected);

  Require(NextDescriptor() == lowestFreeDescriptor);
  return 0;
}
