// The settings file, read once at start-up and written once at shutdown.
#include "app/settings.h"

#include "engine/generator.h"
#include "runtime/files.h"

int32_t donatedFlag;

namespace {

constexpr int32_t SETTINGS_FILE = 777;
constexpr char SETTINGS_NAME[] = "sudoku.syd";
constexpr int64_t SETTINGS_SIZE = 8;  // the two values, nothing more

}  // namespace

void LoadSettings() {
  if (FileOpenRead(SETTINGS_FILE, SETTINGS_NAME)) {
    // A file of another length is damaged: its bytes mean nothing, and it
    // is read as no file at all.
    if (FileLength() == SETTINGS_SIZE) {
      donatedFlag = FileReadInt32();
      difficultyLevel = FileReadInt32();
    }
    FileClose(SETTINGS_FILE);
  }
  // A first start, or a level that is none, begins at Easy: the slider then
  // shows what Enter digits will do.
  if (difficultyLevel < 1 || difficultyLevel > 3) difficultyLevel = 1;
}

void SaveSettings() {
  if (!FileOpenReadWrite(SETTINGS_FILE, SETTINGS_NAME)) return;
  FileWriteInt32(donatedFlag);
  FileWriteInt32(difficultyLevel);
  FileTruncate();  // whatever the file held beyond the two values goes
  FileClose(SETTINGS_FILE);
}
