// The settings file in the working directory: what a run starts with and
// what it leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "engine/generator.h"
#include "runtime/files.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Each test runs in an empty folder of its own.
class SettingsFile : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FileLayerStart()); }
  static void TearDownTestSuite() { FileLayerStop(); }

  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    folder_ = std::string(temp) + "tessel-settings-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  }

  void TearDown() override {
    DeleteFileA("sudoku.syd");
    RemoveDirectoryA("sudoku.syd");
    SetCurrentDirectoryA(previous_);
    RemoveDirectoryA(folder_.c_str());
  }

  // The file's bytes: written when given, read back otherwise (empty: no file).
  static Bytes File(const Bytes& bytes = {}) {
    const bool write = !bytes.empty();
    HANDLE file = CreateFileA("sudoku.syd", write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
                              nullptr, write ? CREATE_ALWAYS : OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    Bytes data = write ? bytes : Bytes(64);
    DWORD count = 0;
    if (write) {
      WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &count, nullptr);
    } else {
      ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &count, nullptr);
    }
    CloseHandle(file);
    data.resize(count);
    return data;
  }

  static void Load(int32_t flag, int32_t level) {
    donatedFlag = flag;
    difficultyLevel = level;
    LoadSettings();
  }

  static void Save(int32_t flag, int32_t level) {
    donatedFlag = flag;
    difficultyLevel = level;
    SaveSettings();
  }

 private:
  std::string folder_;
  char previous_[MAX_PATH] = "";
};

TEST_F(SettingsFile, LoadingTakesTheFlagThenTheLevelAndMissingBytesAsZero) {
  Load(4, 5);  // no file: both stay as they were, and none is made
  EXPECT_EQ(donatedFlag, 4);
  EXPECT_EQ(difficultyLevel, 5);
  EXPECT_TRUE(File().empty());

  File({1, 0, 0, 0, 3, 0, 0, 0});
  Load(0, 0);
  EXPECT_EQ(donatedFlag, 1);
  EXPECT_EQ(difficultyLevel, 3);

  File({1, 2, 3});
  Load(4, 5);
  EXPECT_EQ(donatedFlag, 0x030201);
  EXPECT_EQ(difficultyLevel, 0);
}

TEST_F(SettingsFile, SavingWritesTheFirstEightBytesAndKeepsTheRest) {
  Save(1, 2);
  EXPECT_EQ(File(), (Bytes{1, 0, 0, 0, 2, 0, 0, 0}));

  File({9, 9, 9, 9, 9, 9, 9, 9, 0xAA, 0xBB, 0xCC, 0xDD});
  Save(0, 7);  // out of range, written as it stands
  EXPECT_EQ(File(), (Bytes{0, 0, 0, 0, 7, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD}));
}

// Held open without sharing by another program, the file can be neither
// read nor written. (A read-only file would do on Windows, but Wine running
// as root lets its owner write it anyway.) A folder of that name neither.
TEST_F(SettingsFile, AFileThatCannotBeOpenedIsLeftAsItWas) {
  File({1, 0, 0, 0, 1, 0, 0, 0});
  HANDLE held = CreateFileA("sudoku.syd", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Load(0, 3);
  Save(0, 3);
  CloseHandle(held);
  EXPECT_EQ(difficultyLevel, 3);
  EXPECT_EQ(File(), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));

  DeleteFileA("sudoku.syd");
  ASSERT_TRUE(CreateDirectoryA("sudoku.syd", nullptr));
  Load(5, 6);
  Save(5, 6);
  EXPECT_EQ(donatedFlag, 5);
  EXPECT_EQ(difficultyLevel, 6);
  EXPECT_NE(GetFileAttributesA("sudoku.syd") & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

}  // namespace
