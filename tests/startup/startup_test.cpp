// Start-up brings every layer up; shutdown releases what the layers hold
// (windows, fonts, images, open files) and ends the process with code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "gui/gadget.h"
#include "gui/startup.h"
#include "gui/window.h"
#include "runtime/files.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/memory.h"
#include "runtime/strings.h"

namespace {

// A 2 x 2 24-bit bitmap file image.
struct TinyBitmap {
  uint8_t bytes[54 + 16] = {};
  TinyBitmap() {
    auto put32 = [this](int at, uint32_t v) { memcpy(bytes + at, &v, 4); };
    auto put16 = [this](int at, uint16_t v) { memcpy(bytes + at, &v, 2); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, sizeof bytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    put16(26, 1);
    put16(28, 24);
    put32(34, 16);
  }
};

std::string TempFileName() {
  char directory[MAX_PATH];
  char name[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  GetTempFileNameA(directory, "tss", 0, name);
  return name;
}

TEST(Runtime, ShutdownReleasesWindowsFontsImagesAndFiles) {
  ASSERT_TRUE(RuntimeStart(GetModuleHandleA(nullptr)));
  EXPECT_EQ(TempStringAreaUsed(), 0);

  HWND mainWindow = WindowOpen(19, 10, 10, 200, 100, WINDOW_HIDDEN | WS_POPUP, "main");
  HWND side = WindowOpen(3, 10, 10, 100, 50, WINDOW_HIDDEN | WS_POPUP, "side");
  ASSERT_TRUE(mainWindow && side);
  ASSERT_TRUE(GadgetListOpen(mainWindow));
  HWND button = ButtonCreate(112, 0, 0, 50, 20, "OK");
  HFONT font = FontLoad(40, "Arial", 10, FONT_BOLD);
  TinyBitmap bitmap;
  HBITMAP image = ImageLoadFromMemory(12, bitmap.bytes);
  std::string path = TempFileName();
  ASSERT_TRUE(FileOpenReadWrite(777, path.c_str()));
  ASSERT_TRUE(button && font && image);

  RuntimeStop();

  EXPECT_FALSE(IsWindow(mainWindow));
  EXPECT_FALSE(IsWindow(side));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(GetObjectType(image), 0u);
  // The file is closed: another open that shares nothing now succeeds.
  HANDLE again = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
  DeleteFileA(path.c_str());
  MainHeapDestroy();
}

TEST(Runtime, EndLeavesWithExitCodeZero) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --end-at-once";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process));
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, 0u);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && strcmp(argv[1], "--end-at-once") == 0) {
    // Start and end as the program does, with a window still open.
    if (!RuntimeStart(GetModuleHandleA(nullptr))) return 3;
    WindowOpen(19, 0, 0, 100, 100, WINDOW_HIDDEN | WS_POPUP, "main");
    RuntimeEnd();
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
