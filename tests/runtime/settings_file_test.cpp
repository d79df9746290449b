// The settings file "sudoku.syd" in the working directory, loaded at start-up
// and saved at shutdown through the numbered files: every shape it may have.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/settings.h"
#include "engine/generator.h"
#include "runtime/files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
constexpr char NAME[] = "sudoku.syd";

// Each test runs in an empty folder of its own.
class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FileLayerStart());
    previous_ = fs::current_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = fs::temp_directory_path() / ("tessel-settings-" + std::to_string(stamp));
    ASSERT_TRUE(fs::create_directory(folder_));
    fs::current_path(folder_);
  }

  void TearDown() override {
    FileLayerStop();
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  static void Write(const Bytes& bytes) {
    std::ofstream(NAME, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  static Bytes Contents() {
    if (!fs::is_regular_file(NAME)) return {};
    std::ifstream file(NAME, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

#ifndef _WIN32
  // The lowest descriptor not in use: a file left open moves it up.
  static int NextDescriptor() {
    const int probe = open("/dev/null", O_RDONLY);
    close(probe);
    return probe;
  }
#endif

 private:
  fs::path previous_;
  fs::path folder_;
};

TEST_F(SettingsFile, EveryShapeLoadsAndSaves) {
  enum Shape { ABSENT, BYTES, FOLDER };
  const struct {
    const char* what;
    Shape shape;
    Bytes before;
    int32_t start[2];   // donatedFlag, difficultyLevel before loading
    int32_t loaded[2];  // after loading
    int32_t saved[2];   // what is then saved
    Bytes after;        // the file after saving
  } cases[] = {
      {"no file", ABSENT, {}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"donated, level 3", BYTES, {1, 0, 0, 0, 3, 0, 0, 0}, {-1, -1}, {1, 3}, {1, 3}, {1, 0, 0, 0, 3, 0, 0, 0}},
      {"level 7, out of range, kept", BYTES, {0, 0, 0, 0, 7, 0, 0, 0}, {-1, -1}, {0, 7}, {0, 7}, {0, 0, 0, 0, 7, 0, 0, 0}},
      {"first value 5", BYTES, {5, 0, 0, 0, 2, 0, 0, 0}, {-1, -1}, {5, 2}, {5, 2}, {5, 0, 0, 0, 2, 0, 0, 0}},
      {"three bytes", BYTES, {1, 2, 3}, {-1, -1}, {0x030201, 0}, {0x030201, 0}, {1, 2, 3, 0, 0, 0, 0, 0}},
      {"empty file", BYTES, {}, {-1, -1}, {0, 0}, {0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"all bits high", BYTES, {0xFF, 0xFF, 0xFF, 0xFF, 4, 3, 2, 0x81}, {0, 0}, {-1, int32_t(0x81020304)},
       {int32_t(0x80FFFEFD), 1}, {0xFD, 0xFE, 0xFF, 0x80, 1, 0, 0, 0}},
      {"longer file keeps its tail", BYTES, {1, 0, 0, 0, 2, 0, 0, 0, 0xAA, 0xBB, 0xCC}, {-1, -1}, {1, 2},
       {0x01020304, 3}, {4, 3, 2, 1, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC}},
      // Neither loading nor saving can open it: nothing changes, nothing is said.
      {"a folder of that name", FOLDER, {}, {4, 5}, {4, 5}, {4, 5}, {}},
  };
#ifndef _WIN32
  const int unused = NextDescriptor();
#endif
  for (const auto& t : cases) {
    SCOPED_TRACE(t.what);
    fs::remove_all(NAME);
    if (t.shape == BYTES) Write(t.before);
    if (t.shape == FOLDER) fs::create_directory(NAME);
    donatedFlag = t.start[0];
    difficultyLevel = t.start[1];
    LoadSettings();
    EXPECT_EQ(donatedFlag, t.loaded[0]);
    EXPECT_EQ(difficultyLevel, t.loaded[1]);
    EXPECT_EQ(fs::exists(NAME), t.shape != ABSENT) << "loading made a file";
    donatedFlag = t.saved[0];
    difficultyLevel = t.saved[1];
    SaveSettings();
    EXPECT_EQ(fs::is_directory(NAME), t.shape == FOLDER);
    EXPECT_EQ(Contents(), t.after);
#ifndef _WIN32
    EXPECT_EQ(NextDescriptor(), unused) << "a file was left open";
#endif
  }
  difficultyLevel = donatedFlag = 0;
}

}  // namespace
