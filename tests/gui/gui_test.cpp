// What the window and gadget layers do that the program's own windows never
// show: reused and free numbers, the text area limit, a tooltip set again,
// and what shutdown releases. The rest of these layers is tested through the
// program itself.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

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

constexpr uint32_t HIDDEN = WS_POPUP | WINDOW_HIDDEN;

class Gui : public testing::Test {
 protected:
  void TearDown() override { WindowCloseAll(); }
  // A hidden window at (10, 20) whose gadgets the next creations make.
  static HWND Open(int32_t number) {
    return GadgetListOpen(WindowOpen(number, 10, 20, 200, 100, HIDDEN, ""));
  }
};

TEST_F(Gui, ReopenedNumbersReplaceTheirWindowAndFreeNumbersDoNothing) {
  HWND old = Open(19);
  ShortcutAdd(19, VK_ESCAPE, 117);
  HWND fresh = Open(19);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(WindowHandle(19), fresh);
  // The earlier window's Escape went with it; a key added again gets its new id.
  ShortcutAdd(19, 'S' | SHORTCUT_CONTROL, 1);
  ShortcutAdd(19, 'S' | SHORTCUT_CONTROL | SHORTCUT_SHIFT, 3);
  ACCEL entries[8];
  ASSERT_EQ(CopyAcceleratorTableA(ShortcutAdd(19, 'S' | SHORTCUT_CONTROL, 2), entries, 8), 4);
  EXPECT_EQ(entries[2].cmd, 2);
  EXPECT_EQ(entries[2].fVirt & 0x7F, FVIRTKEY | FNOINVERT | FCONTROL);
  EXPECT_EQ(entries[3].cmd, 3);

  HWND high = Open(500);  // beyond the table's first size
  EXPECT_EQ(WindowHandle(500), high);
  WindowClose(19);
  WNDCLASSA windowClass;
  EXPECT_FALSE(IsWindow(fresh));
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_19", &windowClass));
  for (int32_t number : {19, 501, -1}) {
    WindowClose(number);
    WindowSelect(number);
    EXPECT_EQ(WindowHandle(number), nullptr);
    EXPECT_EQ(ShortcutAdd(number, VK_ESCAPE, 1), nullptr);
  }
  EXPECT_EQ(WindowCurrentHandle(), high);
  EXPECT_EQ(WindowOpen(-1, 0, 0, 50, 50, HIDDEN, ""), nullptr);
}

TEST_F(Gui, GadgetsGoWithTheirControlsAndFreeNumbersDoNothing) {
  Open(25);
  HWND first = ButtonCreate(141, 10, 10, 80, 30, "one");
  HWND second = TextFieldCreate(141, 10, 10, 80, 30, "two", 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetHandle(141), second);
  GadgetFree(141);
  EXPECT_FALSE(IsWindow(second));
  HWND high = ButtonCreate(600, 10, 50, 80, 30, "three");  // beyond the table's first size
  EXPECT_EQ(GadgetHandle(600), high);
  WindowClose(25);
  for (int32_t number : {141, 600, 5000, -1}) {
    TempScope scope;
    EXPECT_EQ(GadgetHandle(number), nullptr);
    EXPECT_STREQ(GadgetGetText(number), "");
    EXPECT_EQ(GadgetGetState(number), 0);
    GadgetSetText(number, "x");
    GadgetSetState(number, 1);
    GadgetDisable(number, 1);
    GadgetSetFont(number, FONT_STOCK_DEFAULT);
    GadgetSetTooltip(number, "x");
    GadgetFree(number);
  }
}

TEST_F(Gui, GetTextTakesAtMost31999CharactersOfTheTextArea) {
  Open(24);
  SetWindowTextA(LabelCreate(120, 10, 10, 100, 20, "", 0), std::string(40000, 'x').c_str());
  TempScope scope;
  EXPECT_EQ(StrLen(GadgetGetText(120)), 31999);
  EXPECT_EQ(TempStringAreaUsed(), 32000);
}

TEST_F(Gui, ATooltipSetAgainHasOnlyItsLastTextAndGoesWithItsGadget) {
  HWND window = Open(22);
  HWND button = ButtonCreate(100, 10, 10, 80, 30, "tip");
  GadgetSetTooltip(100, "first");
  GadgetSetTooltip(100, "second");
  HWND tooltip = nullptr;  // the layer's one tooltip control, a window of this thread
  do tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr);
  while (tooltip && GetWindowThreadProcessId(tooltip, nullptr) != GetCurrentThreadId());
  ASSERT_TRUE(tooltip);
  char text[80] = "";
  TTTOOLINFOA tool = {static_cast<UINT>(TTTOOLINFOA_V1_SIZE), 0, window,
                      reinterpret_cast<UINT_PTR>(button), {}, nullptr, text, 0, nullptr};
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "second");
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  GadgetFree(100);  // the tip goes with its gadget
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST(Runtime, ShutdownReleasesWindowsFontsImagesAndFiles) {
  HWND side = GadgetListOpen(WindowOpen(3, 10, 10, 100, 50, HIDDEN, "side"));
  HWND button = ButtonCreate(112, 0, 0, 50, 20, "OK");
  HFONT font = FontLoad(40, "Arial", 10, FONT_BOLD);
  const uint8_t bitmap[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                              1,   0,   0,  0, 1, 0, 0, 0, 1, 0, 24};  // one pixel, 24 bits
  HBITMAP image = ImageLoadFromMemory(12, bitmap);
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  GetTempFileNameA(path, "tss", 0, path);
  ASSERT_TRUE(FileOpenReadWrite(777, path));
  ASSERT_TRUE(side && button && font && image);

  RuntimeStop();
  EXPECT_FALSE(IsWindow(side));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(GetObjectType(image), 0u);
  EXPECT_TRUE(DeleteFileA(path));  // the file is closed: while open, it shares no deleting
  MainHeapDestroy();
  ASSERT_TRUE(RuntimeStart(GetModuleHandleA(nullptr)));
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!RuntimeStart(GetModuleHandleA(nullptr))) return 2;
  return RUN_ALL_TESTS();
}
