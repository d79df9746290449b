// The settings file "sudoku.syd" in the working directory, loaded at start-up
// and saved at shutdown through the numbered files: every shape it may have.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings.h"
#include "engine/generator.h"
#include "runtime/files.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

TEST(SettingsFile, EveryShapeLoadsAndSaves) {
  enum Shape { ABSENT, BYTES, FOLDER };
  // donatedFlag and difficultyLevel before loading, after it, and then saved.
  const struct {
    const char* what; Shape shape; Bytes before; int32_t start[2], loaded[2], saved[2]; Bytes after;
  } cases[] = {
      {"no file", ABSENT, {}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"donated, level 3", BYTES, {1, 0, 0, 0, 3, 0, 0, 0}, {-1, -1}, {1, 3}, {1, 3}, {1, 0, 0, 0, 3, 0, 0, 0}},
      {"level 7 kept", BYTES, {0, 0, 0, 0, 7, 0, 0, 0}, {-1, -1}, {0, 7}, {0, 7}, {0, 0, 0, 0, 7, 0, 0, 0}},
      {"first value 5", BYTES, {5, 0, 0, 0, 2, 0, 0, 0}, {-1, -1}, {5, 2}, {5, 2}, {5, 0, 0, 0, 2, 0, 0, 0}},
      {"three bytes", BYTES, {1, 2, 3}, {-1, -1}, {0x030201, 0}, {0x030201, 0}, {1, 2, 3, 0, 0, 0, 0, 0}},
      {"empty file", BYTES, {}, {-1, -1}, {0, 0}, {0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"all bits high", BYTES, {-1, -1, -1, -1, 4, 3, 2, -127}, {0, 0}, {-1, int32_t(0x81020304)},
       {int32_t(0x80FFFEFD), 1}, {-3, -2, -1, -128, 1, 0, 0, 0}},
      {"longer file keeps its tail", BYTES, {1, 0, 0, 0, 2, 0, 0, 0, 10, 11, 12}, {-1, -1}, {1, 2}, {0x01020304, 3},
       {4, 3, 2, 1, 3, 0, 0, 0, 10, 11, 12}},
      // Neither loading nor saving can open it: nothing changes, nothing is said.
      {"a folder of that name", FOLDER, {}, {4, 5}, {4, 5}, {4, 5}, {}},
  };
  const fs::path previous = fs::current_path();
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path folder = fs::temp_directory_path() / ("tessel-settings-" + std::to_string(stamp));
  ASSERT_TRUE(fs::create_directory(folder) && FileLayerStart());
  fs::current_path(folder);
  // Files open in this process: one left open by the settings code shows here
  // (Windows instead refuses to remove a file still open).
#ifdef _WIN32
  const auto OpenFiles = [] { return 0; };
#else
  const auto OpenFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
#endif
  const auto openFiles = OpenFiles();
  for (const auto& t : cases) {
    SCOPED_TRACE(t.what);
    if (t.shape == BYTES) std::ofstream("sudoku.syd", std::ios::binary).write(t.before.data(), long(t.before.size()));
    if (t.shape == FOLDER) fs::create_directory("sudoku.syd");
    donatedFlag = t.start[0], difficultyLevel = t.start[1];
    LoadSettings();
    EXPECT_TRUE(donatedFlag == t.loaded[0] && difficultyLevel == t.loaded[1]) << donatedFlag << " " << difficultyLevel;
    EXPECT_EQ(fs::exists("sudoku.syd"), t.shape != ABSENT) << "loading made a file";
    EXPECT_EQ(OpenFiles(), openFiles) << "loading left the file open";
    donatedFlag = t.saved[0], difficultyLevel = t.saved[1];
    SaveSettings();
    std::ifstream file(fs::is_regular_file("sudoku.syd") ? "sudoku.syd" : "", std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()), t.after);
    file.close();
    EXPECT_EQ(OpenFiles(), openFiles) << "a file was left open";
    fs::remove("sudoku.syd");
  }
  // The numbered files beneath: a failed open leaves no current file, and a
  // closed file's handle, which the system may give to the very next file
  // opened, is not current either.
  ASSERT_NE(FileOpenReadWrite(1, "a"), nullptr);
  EXPECT_TRUE(FileOpenRead(2, "missing") == nullptr && FileWriteInt32(7) == 0);
  ASSERT_NE(FileOpenReadWrite(2, "b"), nullptr);
  FileClose(2);
  std::ofstream bystander("c", std::ios::binary);
  EXPECT_EQ(FileWriteInt32(9), 0);
  bystander.close();
  EXPECT_TRUE(fs::file_size("a") == 0 && fs::file_size("b") == 0 && fs::file_size("c") == 0);
  donatedFlag = difficultyLevel = 0;
  FileLayerStop();
  fs::current_path(previous);
  fs::remove_all(folder);
}

}  // namespace
