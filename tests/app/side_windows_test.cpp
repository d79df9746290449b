// The About window and the donation dialog on the real main window: what
// they show, how they close, the check box that follows donatedFlag, and the
// main window given back afterwards, also when a side window cannot be made.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/identity.h"
#include "app/oplata.h"
#include "app/oprsud.h"
#include "app/settings.h"
#include "app/side_window.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "tests/app/app_fixture.h"
#include "tests/support/input.h"
#include "ui/main_window.h"

namespace {

using Step = std::function<void(HWND)>;

struct StepRun {
  int32_t window;
  std::vector<Step> steps;
  size_t next;
  int32_t ticks;
};

StepRun* stepRun;

// Gives up on a window that did not close: ten seconds of ticks.
constexpr int32_t TICK_LIMIT = 200;

void CALLBACK StepTick(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
  HWND window = WindowHandle(stepRun->window);
  if (!window) return;
  if (++stepRun->ticks > TICK_LIMIT) {
    ADD_FAILURE() << "window " << stepRun->window << " did not close";
    PostMessageA(window, WM_CLOSE, 0, 0);
    return;
  }
  if (stepRun->next < stepRun->steps.size()) stepRun->steps[stepRun->next++](window);
}

// Runs a side window's loop (`run`) while a timer takes `steps`, one per
// tick, once `window` exists; the last step should close it.
void RunSteps(int32_t window, void (*run)(), std::vector<Step> steps) {
  StepRun state{window, std::move(steps), 0, 0};
  stepRun = &state;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, StepTick);
  run();
  KillTimer(nullptr, timer);
  stepRun = nullptr;  // `state` goes out of scope here
  EXPECT_EQ(state.next, state.steps.size()) << "the window closed before its last step";
}

std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND Child(HWND window, int32_t id) { return GetDlgItem(window, id); }

RECT RectIn(HWND window, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The character height of a font of this point size on the display.
LONG HeightOf(int32_t pointSize) {
  HDC display = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(display, LOGPIXELSY);
  ReleaseDC(nullptr, display);
  return -MulDiv(pointSize, pixelsPerInch, 72);
}

LOGFONTA FontOf(HWND control) {
  LOGFONTA font = {};
  auto* const handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof font, &font);
  return font;
}

// The extent of the control's text in the control's own font.
SIZE TextExtent(HWND control) {
  const std::string text = TextOf(control);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size;
}

Step Click(int32_t gadget) {
  return [gadget](HWND window) { SendMessageA(Child(window, gadget), BM_CLICK, 0, 0); };
}

// A real key press, which the window's shortcuts turn into commands.
Step Key(WORD key, uint32_t modifiers = input::NONE) {
  return [key, modifiers](HWND window) {
    SetForegroundWindow(window);
    input::KeyPress(key, modifiers);
  };
}

Step CloseBox() {
  return [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); };
}

// The main window is usable again and later gadgets go into it.
void ExpectMainWindowBack(int32_t sideWindow) {
  HWND main = WindowHandle(MAIN_WINDOW);
  EXPECT_EQ(WindowHandle(sideWindow), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
  constexpr int32_t PROBE_GADGET = 250;
  HWND probe = LabelCreate(PROBE_GADGET, 0, 0, 10, 10, "", 0);
  EXPECT_EQ(GetParent(probe), main);
  GadgetFree(PROBE_GADGET);
}

struct Closing {
  const char* how;
  Step step;
};

using AboutWindow = MainWindowTest;

struct AboutText {
  int32_t gadget;
  const char* text;
  int32_t pointSize;  // Arial at this size; links underlined
  bool underlined;
};

const AboutText ABOUT_TEXTS[] = {
    {ABOUT_VERSION, "version 1.62", 8, false},
    {ABOUT_AUTHOR, AUTHOR_LINE, 8, false},
    {ABOUT_WEB_LABEL, "www:", 10, false},
    {ABOUT_WEB_LINK, "http://www.tessel-sudoku.example/", 10, true},
    {ABOUT_MAIL_LABEL, "E - mail:", 10, false},
    {ABOUT_MAIL_LINK, "tomas.vedral@tessel-sudoku.example", 10, true},
    {ABOUT_CLOSE, "C&lose", 8, false},
};

void ExpectAboutContent(HWND window) {
  EXPECT_EQ(TextOf(window), "About");
  EXPECT_FALSE(IsWindowEnabled(WindowHandle(MAIN_WINDOW)));
  EXPECT_NE(Child(window, ABOUT_BANNER), nullptr);
  for (const AboutText& t : ABOUT_TEXTS) {
    SCOPED_TRACE(t.text);
    HWND control = Child(window, t.gadget);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(control), t.text);
    const LOGFONTA font = FontOf(control);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, HeightOf(t.pointSize));
    EXPECT_EQ(font.lfUnderline != 0, t.underlined);
  }
  // Each line is readable: its text fits its own rectangle and no two
  // rectangles of text overlap.
  for (const AboutText& t : ABOUT_TEXTS) {
    HWND control = Child(window, t.gadget);
    const RECT rect = RectIn(window, control);
    const SIZE extent = TextExtent(control);
    if (t.gadget != ABOUT_CLOSE) {
      EXPECT_LE(extent.cx, rect.right - rect.left) << t.text;
      EXPECT_LE(extent.cy, rect.bottom - rect.top) << t.text;
    }
    for (const AboutText& other : ABOUT_TEXTS) {
      if (other.gadget == t.gadget) continue;
      RECT both;
      const RECT otherRect = RectIn(window, Child(window, other.gadget));
      EXPECT_FALSE(IntersectRect(&both, &rect, &otherRect)) << t.text << " / " << other.text;
    }
  }
}

TEST_F(AboutWindow, ShowsItsContentAlikeEachTimeWithTheMainWindowDisabled) {
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE(opening);
    RunSteps(ABOUT_WINDOW, RunAboutWindow, {ExpectAboutContent, Click(ABOUT_CLOSE)});
    ExpectMainWindowBack(ABOUT_WINDOW);
  }
}

TEST_F(AboutWindow, ClosesByItsButtonKeysAndCloseBoxAndIgnoresTheMainWindow) {
  const Closing closings[] = {{"button 12", Click(ABOUT_CLOSE)},
                              {"Escape", Key(VK_ESCAPE)},
                              {"Return", Key(VK_RETURN)},
                              {"Ctrl+L", Key('L', input::CONTROL)},
                              {"close box", CloseBox()}};
  for (const Closing& closing : closings) {
    SCOPED_TRACE(closing.how);
    // A click that reaches the main window's "Enter digits" does nothing.
    RunSteps(ABOUT_WINDOW, RunAboutWindow,
             {[](HWND) { SendMessageA(GadgetHandle(BUTTON_ENTER), BM_CLICK, 0, 0); },
              closing.step});
    EXPECT_EQ(FieldRows(), std::vector<std::string>(9, "_________"));
    ExpectMainWindowBack(ABOUT_WINDOW);
  }
}

using DonationDialog = MainWindowTest;

TEST_F(DonationDialog, TheBoxFollowsTheFlagWhichStaysTheAuthority) {
  const struct {
    int32_t start;
    int32_t afterOneClick;
  } cases[] = {{0, 1}, {1, 0}, {5, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.start);
    donatedFlag = c.start;
    const auto ticked = [](HWND window) {
      return SendMessageA(Child(window, DONATION_DONATED_BOX), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    const Step expectFlag = [&](HWND window) {
      EXPECT_FALSE(IsWindowEnabled(WindowHandle(MAIN_WINDOW)));
      EXPECT_EQ(ticked(window), donatedFlag == 1);
    };
    const int32_t afterOne = c.afterOneClick;
    RunSteps(DONATION_WINDOW, RunDonationDialog,
             {expectFlag, Click(DONATION_DONATED_BOX),
              [&, afterOne](HWND window) {
                EXPECT_EQ(donatedFlag, afterOne);
                expectFlag(window);
              },
              Click(DONATION_DONATED_BOX),
              [&, afterOne](HWND window) {
                EXPECT_EQ(donatedFlag, 1 - afterOne);
                expectFlag(window);
              },
              Click(DONATION_OK)});
    EXPECT_EQ(donatedFlag, 1 - c.afterOneClick);
  }
  donatedFlag = 0;
}

TEST_F(DonationDialog, ClosesByItsButtonKeysAndCloseBox) {
  const Closing closings[] = {{"button 4", Click(DONATION_OK)},
                              {"Escape", Key(VK_ESCAPE)},
                              {"Return", Key(VK_RETURN)},
                              {"Ctrl+O", Key('O', input::CONTROL)},
                              {"close box", CloseBox()}};
  for (const Closing& closing : closings) {
    SCOPED_TRACE(closing.how);
    RunSteps(DONATION_WINDOW, RunDonationDialog, {closing.step});
    ExpectMainWindowBack(DONATION_WINDOW);
  }
}

// A side window that cannot be opened, or whose gadget list cannot be, leaves
// nothing behind and the main window as it was.
using SideWindowFailure = MainWindowTest;

TEST_F(SideWindowFailure, LeavesNoWindowAndTheMainWindowUsable) {
  const struct {
    const char* what;
    int32_t window;
    HWND (*open)();
    void (*run)();
  } sides[] = {{"About", ABOUT_WINDOW, OpenAboutWindow, RunAboutWindow},
               {"donation", DONATION_WINDOW, OpenDonationDialog, RunDonationDialog}};
  const SideWindowFaults faults[] = {{true, false}, {false, true}};
  for (const auto& side : sides) {
    for (const SideWindowFaults& fault : faults) {
      SCOPED_TRACE(std::string(side.what) + (fault.windowOpen ? ", window" : ", gadget list"));
      sideWindowFaults = fault;
      EXPECT_EQ(side.open(), nullptr);
      ExpectMainWindowBack(side.window);
      side.run();  // returns at once
      sideWindowFaults = {};
      ExpectMainWindowBack(side.window);
    }
  }
}

}  // namespace
