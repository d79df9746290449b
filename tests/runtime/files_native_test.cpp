// Numbered files on the POSIX descriptors of the native build: a folder is
// no file, and descriptor numbers, which the system reuses at once, never
// let a closed file's number reach another file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "runtime/files.h"

namespace {

class NativeFiles : public testing::Test {
 protected:
  void SetUp() override {
    unused_ = NextDescriptor();
    ASSERT_TRUE(FileLayerStart());
    char pattern[] = "/tmp/tessel-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }

  void TearDown() override {
    FileLayerStop();
    for (const char* name : {"a", "b", "bystander"}) unlink(Path(name).c_str());
    rmdir(Path("folder").c_str());
    rmdir(folder_.c_str());
  }

  // The lowest descriptor not in use: the next open gets it.
  static int NextDescriptor() {
    const int probe = open("/dev/null", O_RDONLY);
    close(probe);
    return probe;
  }

  std::string Path(const char* name) const { return folder_ + "/" + name; }

  std::string Contents(const char* name) const {
    char bytes[64];
    const int file = open(Path(name).c_str(), O_RDONLY);
    const ssize_t count = file < 0 ? 0 : read(file, bytes, sizeof bytes);
    if (file >= 0) close(file);
    return {bytes, count > 0 ? size_t(count) : 0};
  }

  void Write(const char* name, const std::string& bytes) const {
    const int file = open(Path(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    close(file);
  }

  int unused_ = -1;

 private:
  std::string folder_;
};

TEST_F(NativeFiles, AFolderOpensAsNothingAndKeepsTheNumbersFile) {
  Write("a", std::string("\x07\0\0\0", 4));
  const FileHandle first = FileOpenRead(3, Path("a").c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(mkdir(Path("folder").c_str(), 0755), 0);
  EXPECT_EQ(FileOpenRead(3, Path("folder").c_str()), nullptr);
  EXPECT_EQ(FileOpenReadWrite(3, Path("folder").c_str()), nullptr);
  EXPECT_EQ(FileReadInt32(), 0);  // no current file after a failed open
  EXPECT_NE(FileOpenRead(4, Path("a").c_str()), first) << "number 3 lost its file";
}

TEST_F(NativeFiles, AReusedDescriptorIsNeverTheCurrentFile) {
  Write("a", "abcd");
  ASSERT_NE(FileOpenReadWrite(1, Path("a").c_str()), nullptr);
  const FileHandle b = FileOpenReadWrite(2, Path("b").c_str());
  ASSERT_NE(b, nullptr);
  FileClose(2);
  // The system hands b's descriptor to the very next open.
  const int bystander = open(Path("bystander").c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(bystander, 0);
  EXPECT_EQ(FileReadInt32(), 0);
  EXPECT_EQ(FileWriteInt32(99), 0);
  close(bystander);
  EXPECT_EQ(Contents("bystander"), "");
  EXPECT_EQ(Contents("a"), "abcd");
  // Reopening a number closes the earlier file; stopping closes the rest.
  for (int round = 0; round < 3; ++round) ASSERT_NE(FileOpenRead(1, Path("a").c_str()), nullptr);
  FileLayerStop();
  EXPECT_EQ(NextDescriptor(), unused_) << "a file was left open";
  ASSERT_TRUE(FileLayerStart());
}

}  // namespace
