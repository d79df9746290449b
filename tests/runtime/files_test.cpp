// Numbered files on real files in the temporary folder: what reads and
// writes do to the bytes, which file is current, and which stay open.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "runtime/files.h"

namespace {

using Bytes = std::vector<unsigned char>;

class Files : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FileLayerStart()); }

  void TearDown() override {
    FileLayerStop();
    for (const std::string& path : paths_) DeleteFileA(path.c_str());
  }

  // A fresh path in the temporary folder, with contents when given.
  const char* Path(const char* name, const Bytes& contents = {}, bool create = true) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    paths_.push_back(std::string(folder) + "tessel-" + std::to_string(GetCurrentProcessId()) + name);
    const char* path = paths_.back().c_str();
    DeleteFileA(path);
    if (!create) return path;
    FILE* f = fopen(path, "wb");
    if (!f) {
      ADD_FAILURE() << "cannot create " << path;
      return path;
    }
    const bool written = fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    if (fclose(f) != 0 || !written) ADD_FAILURE() << "cannot write " << path;
    return path;
  }

  static Bytes Contents(const char* path) {
    Bytes bytes;
    FILE* f = fopen(path, "rb");
    for (int c = 0; f && (c = fgetc(f)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
    if (f && fclose(f) != 0) ADD_FAILURE() << "cannot close " << path;
    return bytes;
  }

  // Files open here share reading only: nobody else may write meanwhile.
  static bool HeldOpen(const char* path) {
    HANDLE other = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (other == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(other);
    return false;
  }

 private:
  std::deque<std::string> paths_;  // keeps each text in place as it grows
};

TEST_F(Files, MissingFileOpensNothingAndCreatesNothing) {
  const char* missing = Path("missing.syd", {}, false);
  EXPECT_EQ(FileOpenRead(777, missing), nullptr);
  EXPECT_EQ(FileReadInt32(), 0);
  EXPECT_EQ(FileWriteInt32(5), 0);
  EXPECT_EQ(GetFileAttributesA(missing), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Files, ReadWriteOverwritesInPlaceAndCreatesWhenMissing) {
  const char* twelve = Path("twelve.syd", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  ASSERT_NE(FileOpenReadWrite(777, twelve), nullptr);
  EXPECT_EQ(FileWriteInt32(1), 4);
  EXPECT_EQ(FileWriteInt32(0x01020304), 4);
  const char* fresh = Path("fresh.syd", {}, false);
  ASSERT_NE(FileOpenReadWrite(778, fresh), nullptr);
  EXPECT_EQ(FileWriteInt32(-1), 4);
  FileLayerStop();
  EXPECT_EQ(Contents(twelve), (Bytes{1, 0, 0, 0, 4, 3, 2, 1, 9, 10, 11, 12}));
  EXPECT_EQ(Contents(fresh), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  ASSERT_TRUE(FileLayerStart());
}

TEST_F(Files, ReadsStopAtTheEndWithMissingBytesZero) {
  ASSERT_NE(FileOpenRead(777, Path("four.syd", {0x2A, 0, 0, 0})), nullptr);
  EXPECT_EQ(FileReadInt32(), 42);
  EXPECT_EQ(FileReadInt32(), 0);
  ASSERT_NE(FileOpenRead(777, Path("six.syd", {3, 0, 0, 0, 1, 0})), nullptr);
  EXPECT_EQ(FileReadInt32(), 3);
  EXPECT_EQ(FileReadInt32(), 1);
}

TEST_F(Files, NumbersGrowTheTableAndReopeningClosesTheEarlierFile) {
  const char* a = Path("a.syd", {1, 0, 0, 0});
  const char* b = Path("b.syd", {2, 0, 0, 0});
  const char* c = Path("c.syd");
  EXPECT_EQ(FileTableCapacity(), 10);
  ASSERT_NE(FileOpenRead(777, a), nullptr);
  EXPECT_EQ(FileTableCapacity(), 787);
  EXPECT_TRUE(HeldOpen(a));
  ASSERT_NE(FileOpenRead(777, b), nullptr);
  EXPECT_FALSE(HeldOpen(a));
  EXPECT_EQ(FileReadInt32(), 2);
  ASSERT_NE(FileOpenRead(0, c), nullptr);
  FileLayerStop();  // closes every file
  EXPECT_FALSE(HeldOpen(b));
  EXPECT_FALSE(HeldOpen(c));
  ASSERT_TRUE(FileLayerStart());
}

TEST_F(Files, FailedOpenLeavesNoCurrentFileButKeepsTheNumbersFile) {
  const char* held = Path("held.syd", {7, 0, 0, 0});
  ASSERT_NE(FileOpenRead(3, held), nullptr);
  EXPECT_EQ(FileOpenRead(3, Path("absent.syd", {}, false)), nullptr);
  EXPECT_EQ(FileReadInt32(), 0);
  EXPECT_TRUE(HeldOpen(held));
}

TEST_F(Files, ClosingTheCurrentFileLeavesNothingToReadOrWrite) {
  const char* other = Path("other.syd", {1, 0, 0, 0});
  ASSERT_NE(FileOpenReadWrite(1, other), nullptr);
  ASSERT_NE(FileOpenReadWrite(2, Path("current.syd", {2, 0, 0, 0})), nullptr);
  FileClose(2);
  FileClose(2);  // no longer open: ignored
  // The platform tends to give the freed handle value to the next object: a
  // stale current handle would then write into this bystander.
  const char* bystanderPath = Path("bystander.syd");
  HANDLE bystander = CreateFileA(bystanderPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(bystander, INVALID_HANDLE_VALUE);
  EXPECT_EQ(FileReadInt32(), 0);
  EXPECT_EQ(FileWriteInt32(99), 0);
  CloseHandle(bystander);
  FileLayerStop();
  EXPECT_EQ(Contents(other), (Bytes{1, 0, 0, 0}));
  EXPECT_EQ(Contents(bystanderPath), Bytes{});
  ASSERT_TRUE(FileLayerStart());
}

}  // namespace
