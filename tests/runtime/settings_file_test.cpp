// The settings file "sudoku.syd" in the working directory, loaded at start-up
// and saved at shutdown through the numbered files: every shape it may have.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings.h"
#include "engine/generator.h"
#include "runtime/files.h"

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

TEST(SettingsFile, EveryShapeLoadsAndSaves) {
  enum Shape { ABSENT, BYTES, FOLDER };
  // The file before, donatedFlag and difficultyLevel after loading (both 99
  // before it; a level that is none becomes 1, Easy), the values then saved
  // and the file after saving.
  const struct { Bytes before, after; int32_t loaded[2], saved[2]; Shape shape; } cases[] = {
      {{}, {0, 0, 0, 0, 1, 0, 0, 0}, {99, 1}, {0, 1}, ABSENT},  // no file
      {{1, 0, 0, 0, 3, 0, 0, 0}, {1, 0, 0, 0, 3, 0, 0, 0}, {1, 3}, {1, 3}, BYTES},  // level 3
      {{1, 0, 0, 0, 7, 0, 0, 0}, {1, 0, 0, 0, 1, 0, 0, 0}, {1, 1}, {1, 1}, BYTES},  // out of range
      {{0, 0, 0, 0, 4, 0, 0, 0}, {0, 0, 0, 0, 2, 0, 0, 0}, {0, 1}, {0, 2}, BYTES},  // just above
      {{5, 0, 0, 0, 2, 0, 0, 0}, {5, 0, 0, 0, 2, 0, 0, 0}, {5, 2}, {5, 2}, BYTES},  // first value 5
      // A file of another length is damaged: read as none, written as 8 bytes.
      {{1, 2, 3}, {0, 0, 0, 0, 0, 0, 0, 0}, {99, 1}, {0, 0}, BYTES},  // three bytes
      {{}, {0, 0, 0, 0, 0, 0, 0, 0}, {99, 1}, {0, 0}, BYTES},         // empty
      {{1, 0, 0, 0, 2, 0, 0}, {1, 0, 0, 0, 2, 0, 0, 0}, {99, 1}, {1, 2}, BYTES},  // seven
      {{-1, -1, -1, -1, 4, 3, 2, -127}, {-3, -2, -1, -128, 1, 0, 0, 0}, {-1, 1},
       {int32_t(0x80FFFEFD), 1}, BYTES},  // all bits high
      {{1, 0, 0, 0, 2, 0, 0, 0, 10}, {4, 3, 2, 1, 3, 0, 0, 0}, {99, 1}, {0x01020304, 3},
       BYTES},  // nine bytes
      {Bytes(100, 'x'), {1, 0, 0, 0, 2, 0, 0, 0}, {99, 1}, {1, 2}, BYTES},  // 100 of garbage
      // Neither loading nor saving can open a folder of that name: nothing
      // changes, nothing is said.
      {{}, {}, {99, 1}, {4, 5}, FOLDER},
  };
  // A folder of its own beside the test program (in the build tree).
  const fs::path previous = fs::current_path();
  const fs::path folder = previous / "settings-file-test";
  fs::remove_all(folder);
#ifndef _WIN32
  const auto descriptors = std::distance(fs::directory_iterator("/proc/self/fd"), {});
#endif
  ASSERT_TRUE(fs::create_directory(folder) && FileLayerStart());
  fs::current_path(folder);
  for (const auto& t : cases) {
    SCOPED_TRACE(&t - cases);
    if (t.shape == BYTES) {
      std::ofstream("sudoku.syd", std::ios::binary).write(t.before.data(), long(t.before.size()));
    }
    if (t.shape == FOLDER) fs::create_directory("sudoku.syd");
    donatedFlag = difficultyLevel = 99;
    LoadSettings();
    EXPECT_TRUE(donatedFlag == t.loaded[0] && difficultyLevel == t.loaded[1]) << difficultyLevel;
    EXPECT_EQ(fs::exists("sudoku.syd"), t.shape != ABSENT) << "loading made a file";
    donatedFlag = t.saved[0], difficultyLevel = t.saved[1];
    SaveSettings();
    std::ifstream in(fs::is_regular_file("sudoku.syd") ? "sudoku.syd" : "", std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), t.after);
    in.close();
    fs::remove("sudoku.syd");
  }
  // The numbered files beneath: a failed open leaves no current file, and a
  // closed file's handle, which the system may give to the very next file
  // opened, is not current either.
  ASSERT_NE(FileOpenReadWrite(1, "a"), nullptr);
  EXPECT_EQ(FileWriteInt32(5), 4);  // the bytes written
  EXPECT_TRUE(FileOpenRead(2, "missing") == nullptr && FileWriteInt32(7) == 0 &&
              FileReadInt32() == 0 && FileLength() == -1 && !FileTruncate());
  ASSERT_NE(FileOpenReadWrite(2, "b"), nullptr);
  FileClose(2);
  std::ofstream bystander("c", std::ios::binary);
  EXPECT_EQ(FileWriteInt32(9), 0);
  bystander.close();
  ASSERT_NE(FileOpenRead(3, "c"), nullptr);
  EXPECT_EQ(FileWriteInt32(9), 0) << "written into a file opened for reading";
  EXPECT_TRUE(fs::file_size("a") == 4 && fs::file_size("b") == 0 && fs::file_size("c") == 0);
  // Shutdown closes every file, number 0 too: none is left open.
  ASSERT_NE(FileOpenReadWrite(0, "d"), nullptr);
  FileLayerStop();
#ifndef _WIN32
  EXPECT_EQ(std::distance(fs::directory_iterator("/proc/self/fd"), {}), descriptors);
#endif
  std::error_code error;  // Windows deletes no file that is still open
  EXPECT_TRUE(fs::remove("d", error)) << error.message();
  fs::current_path(previous);
  fs::remove_all(folder);
}
