// Opening, placing, closing and reopening numbered windows, and their
// shortcut tables.
#include <gtest/gtest.h>

#include "gui/window.h"
#include "runtime/instance.h"
#include "tests/gui/gui_fixture.h"

namespace {

SIZE OuterSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

POINT OuterCorner(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

int Entries(HACCEL table, ACCEL (&entries)[8]) { return CopyAcceleratorTableA(table, entries, 8); }

}  // namespace

TEST_F(GuiTest, OpenPlacesTheOuterCornerAndSizesTheInnerArea) {
  HWND window = WindowOpen(3, 100, 120, 300, 200, WS_CAPTION | WS_SYSMENU, "Plain");
  ASSERT_TRUE(window);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(OuterCorner(window).x, 100);
  EXPECT_EQ(OuterCorner(window).y, 120);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(WindowCurrentHandle(), window);
  char name[32];
  GetClassNameA(window, name, sizeof name);
  EXPECT_STREQ(name, "WindowClass_3");
  EXPECT_TRUE(GetClassLongA(window, GCL_STYLE) & CS_DBLCLKS);

  // A hidden pop-up gets no caption: outer and inner sizes agree.
  HWND popup = WindowOpen(4, 10, 10, 50, 40, WS_POPUP | WINDOW_HIDDEN, "");
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_EQ(OuterSize(popup).cx, 50);
  EXPECT_EQ(OuterSize(popup).cy, 40);
  // No style at all: a caption is added.
  HWND bare = WindowOpen(5, 0, 0, 50, 40, WINDOW_HIDDEN, "");
  EXPECT_EQ(GetWindowLongA(bare, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(WindowCurrentHandle(), bare);
  WindowSelect(3);
  EXPECT_EQ(WindowCurrentHandle(), window);
  WindowResize(120, 90);
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 120);
  EXPECT_EQ(client.bottom, 90);
}

TEST_F(GuiTest, CentresOnTheScreenOrOnTheActiveWindow) {
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  HWND base = WindowOpen(1, 0, 0, 400, 300, WS_CAPTION | WINDOW_CENTRE_SCREEN, "");
  SIZE size = OuterSize(base);
  EXPECT_EQ(OuterCorner(base).x, screenWidth / 2 - size.cx / 2);
  EXPECT_EQ(OuterCorner(base).y, screenHeight / 2 - size.cy / 2);
  // Wider than the screen: the half-widths are capped at the screen's.
  HWND wide = WindowOpen(2, 0, 0, screenWidth + 200, 100,
                         WS_POPUP | WINDOW_HIDDEN | WINDOW_CENTRE_SCREEN, "");
  EXPECT_EQ(OuterCorner(wide).x, 0);

  SetForegroundWindow(base);
  ASSERT_EQ(GetActiveWindow(), base);
  HWND dialog = WindowOpen(
      3, 0, 0, 200, 100, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WINDOW_CENTRE_ACTIVE, "");
  SIZE dialogSize = OuterSize(dialog);
  EXPECT_EQ(OuterCorner(dialog).x, OuterCorner(base).x + size.cx / 2 - dialogSize.cx / 2);
  EXPECT_EQ(OuterCorner(dialog).y, OuterCorner(base).y + size.cy / 2 - dialogSize.cy / 2);

  // A small active window in the corner: the result is raised to 0.
  HWND corner = WindowOpen(4, 0, 0, 40, 30, WS_POPUP, "");
  SetForegroundWindow(corner);
  HWND big = WindowOpen(5, 0, 0, 300, 200, WS_CAPTION | WINDOW_CENTRE_ACTIVE, "");
  EXPECT_EQ(OuterCorner(big).x, 0);
  EXPECT_EQ(OuterCorner(big).y, 0);
}

TEST_F(GuiTest, ShortcutAddGivesAnExistingKeyItsNewId) {
  WindowOpen(6, 0, 0, 100, 100, WS_POPUP | WINDOW_HIDDEN, "");
  ShortcutAdd(6, 'S' | SHORTCUT_CONTROL, 1);
  ShortcutAdd(6, 'S' | SHORTCUT_CONTROL | SHORTCUT_SHIFT, 3);
  HACCEL table = ShortcutAdd(6, 'S' | SHORTCUT_CONTROL, 2);
  ACCEL entries[8];
  ASSERT_EQ(Entries(table, entries), 4);
  const ACCEL expected[] = {{FVIRTKEY | FNOINVERT, VK_TAB, CMD_FOCUS_NEXT},
                            {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, CMD_FOCUS_PREVIOUS},
                            {FVIRTKEY | FNOINVERT | FCONTROL, 'S', 2},
                            {FVIRTKEY | FNOINVERT | FCONTROL | FSHIFT, 'S', 3}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(entries[i].fVirt & 0x7F, expected[i].fVirt) << i;
    EXPECT_EQ(entries[i].key, expected[i].key) << i;
    EXPECT_EQ(entries[i].cmd, expected[i].cmd) << i;
  }
}

TEST_F(GuiTest, ReopeningANumberClosesTheOldWindowWithClassAndShortcuts) {
  HWND old = WindowOpen(19, 0, 0, 100, 100, WS_POPUP | WINDOW_HIDDEN, "");
  ShortcutAdd(19, 'S' | SHORTCUT_CONTROL, 115);
  HWND fresh = WindowOpen(19, 0, 0, 100, 100, WS_POPUP | WINDOW_HIDDEN, "");
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(WindowHandle(19), fresh);
  ACCEL entries[8];
  EXPECT_EQ(Entries(ShortcutAdd(19, VK_ESCAPE, 117), entries), 3);

  WindowClose(19);
  WNDCLASSA windowClass;
  EXPECT_FALSE(IsWindow(fresh));
  EXPECT_FALSE(GetClassInfoA(ProgramInstance(), "WindowClass_19", &windowClass));
  EXPECT_EQ(WindowHandle(19), nullptr);

  // Numbers without a window: nothing happens, nothing is returned.
  WindowClose(19);
  WindowSelect(19);
  EXPECT_EQ(ShortcutAdd(19, VK_ESCAPE, 1), nullptr);
  EXPECT_EQ(WindowOpen(-1, 0, 0, 50, 50, WS_POPUP, ""), nullptr);
}
