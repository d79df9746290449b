// Message boxes with real windows: which windows are disabled while a box is
// up and enabled after it; each box is answered from a timer inside its own
// modal loop. Help requests go to recording stand-ins for the two viewers,
// so that no viewer starts.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "runtime/help_viewers.h"
#include "runtime/messages.h"

namespace {

struct BoxWatch {
  const char* title;  // null: any box of the thread
  std::function<void(HWND box)> whileUp;
  int ticks;
};

std::map<UINT_PTR, BoxWatch*> watches;

BOOL CALLBACK AnswerBox(HWND window, LPARAM lParam) {
  const auto* watch = reinterpret_cast<const BoxWatch*>(lParam);
  char kind[16] = "";
  char title[64] = "";
  GetClassNameA(window, kind, sizeof kind);
  GetWindowTextA(window, title, sizeof title);
  if (strcmp(kind, "#32770") != 0 || (watch->title && strcmp(title, watch->title) != 0)) return TRUE;
  if (watch->whileUp) watch->whileUp(window);
  SendMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK WatchTick(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  const auto found = watches.find(timer);
  if (found == watches.end()) return;
  BoxWatch watch = *found->second;
  // After five seconds any box is answered, so that a wrong title cannot hang the run.
  if (++found->second->ticks > 100) watch = {nullptr, {}, 0};
  KillTimer(nullptr, timer);
  if (EnumThreadWindows(GetCurrentThreadId(), AnswerBox, reinterpret_cast<LPARAM>(&watch))) {
    SetTimer(nullptr, timer, 50, WatchTick);  // not up yet
    return;
  }
  watches.erase(timer);
}

// Shows a box through ShowMessage, runs whileUp while it is up, answers OK.
int32_t ShowAndAnswer(const char* title, std::function<void(HWND)> whileUp) {
  BoxWatch watch{title, std::move(whileUp), 0};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchTick);
  watches[timer] = &watch;
  const int32_t button = ShowMessage(title, "Message text", MB_ICONINFORMATION);
  if (watches.erase(timer)) KillTimer(nullptr, timer);
  return button;
}

class MessageBoxes : public testing::Test {
 protected:
  HWND Window(int x, DWORD visible = WS_VISIBLE) {
    windows_.push_back(CreateWindowExA(0, "STATIC", "window", WS_OVERLAPPEDWINDOW | visible, x, 100,
                                       200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    return windows_.back();
  }

  void TearDown() override {
    for (HWND window : windows_) DestroyWindow(window);
  }

 private:
  std::vector<HWND> windows_;
};

TEST_F(MessageBoxes, OtherWindowsAreDisabledWhileTheBoxIsUp) {
  HWND plain = Window(0);
  HWND disabled = Window(220);
  EnableWindow(disabled, FALSE);
  HWND hidden = Window(0, 0);
  HWND front = Window(440);
  SetForegroundWindow(front);
  const HWND foreground = GetForegroundWindow();
  bool wasUp = false;
  EXPECT_EQ(ShowAndAnswer("Box", [&](HWND box) {
              wasUp = true;
              EXPECT_FALSE(IsWindowEnabled(plain));
              EXPECT_FALSE(IsWindowEnabled(disabled));
              EXPECT_TRUE(IsWindowEnabled(hidden));
              // The foreground window owns the box; the platform disables it.
              EXPECT_EQ(GetWindow(box, GW_OWNER), foreground);
              EXPECT_TRUE(!foreground || !IsWindowEnabled(foreground));
            }),
            IDOK);
  EXPECT_TRUE(wasUp);
  EXPECT_TRUE(IsWindowEnabled(plain));
  EXPECT_FALSE(IsWindowEnabled(disabled));
  EXPECT_TRUE(IsWindowEnabled(front));
}

TEST_F(MessageBoxes, ABoxShownWhileAnotherIsUpLeavesTheFirstBoxsWindowsDisabled) {
  HWND plain = Window(0);
  SetForegroundWindow(Window(440));
  bool innerWasUp = false;
  ShowAndAnswer("Outer box", [&](HWND) {
    ShowAndAnswer("Inner box", [&](HWND) { innerWasUp = true; });
    EXPECT_FALSE(IsWindowEnabled(plain));
  });
  EXPECT_TRUE(innerWasUp);
  EXPECT_TRUE(IsWindowEnabled(plain));
}

// Each request as "viewer|owner|file or location|command|data".
std::vector<std::string> helpCalls;
const HWND HTML_VIEWER = reinterpret_cast<HWND>(0x5150);

// cppcheck-suppress constParameter ; a window handle, not data
void RecordHelp(const char* viewer, HWND owner, const char* file, UINT command,
                const std::string& data) {
  helpCalls.push_back(std::string(viewer) + "|" + (owner ? "owner" : "") + "|" + (file ? file : "-") +
                      "|" + std::to_string(command) + "|" + data);
}

BOOL WINAPI RecordClassic(HWND owner, LPCSTR file, UINT command, ULONG_PTR data) {
  RecordHelp("classic", owner, file, command,
             command == HELP_KEY ? reinterpret_cast<const char*>(data) : std::to_string(data));
  return TRUE;
}

HWND WINAPI RecordHtml(HWND owner, LPCSTR location, UINT command, DWORD_PTR data) {
  RecordHelp("html", owner, location, command, std::to_string(data));
  return HTML_VIEWER;
}

class Help : public testing::Test {
 protected:
  void SetUp() override {
    HelpLayerStart();
    platform_ = HelpViewersReplace({RecordClassic, RecordHtml});
    helpCalls.clear();
  }

  void TearDown() override {
    HelpLayerStop();
    HelpViewersReplace(platform_);
  }

  HelpViewers platform_{};
};

TEST_F(Help, TheExtensionChoosesTheViewer) {
  // Both Windows and Wine have the HTML help library.
  EXPECT_NE(platform_.html, nullptr);
  EXPECT_EQ(ShowHelpTopic("tesselsudoku.hlp", "Program commands"), nullptr);
  EXPECT_EQ(ShowHelpTopic("C:\\HELP\\TESSEL.HLP", "History"), nullptr);
  EXPECT_EQ(ShowHelpTopic("tesselsudoku.Hlp", ""), nullptr);
  EXPECT_EQ(ShowHelpTopic("tesselsudoku.hlp", nullptr), nullptr);
  EXPECT_EQ(ShowHelpTopic(".hlp", "History"), HTML_VIEWER);  // an extension alone is no file
  EXPECT_EQ(ShowHelpTopic("guide.chm", "Rules of sudoku"), HTML_VIEWER);
  EXPECT_EQ(ShowHelpTopic("guide.chm", ""), HTML_VIEWER);
  EXPECT_EQ(ShowHelpTopic(nullptr, "History"), nullptr);
  const std::vector<std::string> expected = {
      "classic||tesselsudoku.hlp|257|Program commands",  // by keyword
      "classic||C:\\HELP\\TESSEL.HLP|257|History",
      "classic||tesselsudoku.Hlp|3|0",  // contents
      "classic||tesselsudoku.hlp|3|0",
      "html||.hlp::/History|0|0",  // display the topic
      "html||guide.chm::/Rules of sudoku|0|0",
      "html||guide.chm|0|0",
  };
  EXPECT_EQ(helpCalls, expected);
}

TEST_F(Help, HtmlHelpNeedsTheLibraryAndALocationItTakes) {
  const std::string longest(2007 - strlen("guide.chm::/"), 'x');
  EXPECT_EQ(ShowHelpTopic("guide.chm", longest.c_str()), HTML_VIEWER);
  EXPECT_EQ(ShowHelpTopic("guide.chm", (longest + "x").c_str()), nullptr);
  HelpViewersReplace({RecordClassic, nullptr});
  EXPECT_EQ(ShowHelpTopic("guide.chm", "History"), nullptr);
  CloseHelpViewer();
  EXPECT_EQ(helpCalls.size(), 1u);
}

TEST_F(Help, ClosingAsksTheViewerUsedLast) {
  ShowHelpTopic("tesselsudoku.hlp", "History");
  CloseHelpViewer();
  ShowHelpTopic("guide.chm", "History");
  HelpLayerStop();  // the library was loaded at start: stopping closes as well
  ASSERT_EQ(helpCalls.size(), 4u);
  EXPECT_EQ(helpCalls[1], "classic||-|2|0");  // quit
  EXPECT_EQ(helpCalls[3], "html||-|18|0");    // close all
}

}  // namespace
