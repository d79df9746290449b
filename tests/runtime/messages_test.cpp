// Message boxes with real windows: which windows a box disables and which it
// enables again, each box answered from a timer inside its own modal loop.
// Help requests go to recording stand-ins for the two viewers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/help_viewers.h"
#include "runtime/messages.h"

namespace {

std::vector<std::pair<const char*, std::function<void()>>> watches;  // the innermost box last

void CALLBACK AnswerWhenUp(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  HWND box = watches.empty() ? nullptr : FindWindowA("#32770", watches.back().first);
  if (!box) return;  // not up yet
  KillTimer(nullptr, timer);
  watches.back().second();
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}

int32_t ShowAndAnswer(const char* title, std::function<void()> whileUp) {
  watches.emplace_back(title, std::move(whileUp));
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerWhenUp);
  const int32_t button = ShowMessage(title, "text", MB_ICONINFORMATION);
  KillTimer(nullptr, timer);
  watches.pop_back();
  return button;
}

HWND Window(int x, DWORD visible = WS_VISIBLE) {
  return CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | visible, x, 100, 200, 120,
                         nullptr, nullptr, nullptr, nullptr);
}

TEST(MessageBoxes, DisableTheOtherWindowsWhileUpAndEnableOnlyThoseAfter) {
  HWND plain = Window(0), disabled = Window(220), hidden = Window(0, 0), front = Window(440);
  EnableWindow(disabled, FALSE);
  SetForegroundWindow(front);
  ASSERT_EQ(GetForegroundWindow(), front);
  bool innerUp = false;
  EXPECT_EQ(ShowAndAnswer("Outer", [&] {
              EXPECT_FALSE(IsWindowEnabled(plain));
              EXPECT_FALSE(IsWindowEnabled(front));  // the box's owner
              EXPECT_TRUE(IsWindowEnabled(hidden));
              // A box shown meanwhile leaves the first box's windows disabled.
              ShowAndAnswer("Inner", [&] { innerUp = true; });
              EXPECT_FALSE(IsWindowEnabled(plain));
            }),
            IDOK);
  EXPECT_TRUE(innerUp && IsWindowEnabled(plain) && IsWindowEnabled(front));
  EXPECT_FALSE(IsWindowEnabled(disabled));
  for (HWND window : {plain, disabled, hidden, front}) DestroyWindow(window);
}

// The last request as "viewer|file or location|command|data".
std::string helpCall;
const HWND HTML_VIEWER = reinterpret_cast<HWND>(0x5150);

void Record(const char* viewer, const char* file, UINT command, const std::string& data) {
  helpCall = std::string(viewer) + "|" + (file ? file : "-") + "|" + std::to_string(command) + "|" +
             data;
}

BOOL WINAPI RecordClassic(HWND /*owner*/, LPCSTR file, UINT command, ULONG_PTR data) {
  Record("classic", file, command,
         command == HELP_KEY ? reinterpret_cast<const char*>(data) : std::to_string(data));
  return TRUE;
}

HWND WINAPI RecordHtml(HWND /*owner*/, LPCSTR location, UINT command, DWORD_PTR data) {
  Record("html", location, command, std::to_string(data));
  return HTML_VIEWER;
}

TEST(Help, TheExtensionChoosesTheViewerAndClosingAsksTheOneUsedLast) {
  HelpLayerStart();
  const HelpViewers platform = HelpViewersReplace({RecordClassic, RecordHtml});
  EXPECT_NE(platform.html, nullptr);  // Windows and Wine both have the HTML help library
  const std::string longest(2007 - 12, 'x'), tooLong = longest + "x";  // 12: "guide.chm::/"
  const struct {
    const char *file, *topic;
    std::string call;
  } cases[] = {
      {"tesselsudoku.hlp", "Program commands", "classic|tesselsudoku.hlp|257|Program commands"},
      {"tesselsudoku.Hlp", "", "classic|tesselsudoku.Hlp|3|0"},  // the contents
      {"tesselsudoku.hlp", nullptr, "classic|tesselsudoku.hlp|3|0"},
      {".hlp", "History", "html|.hlp::/History|0|0"},  // an extension alone is no file
      {"guide.chm", "Rules of sudoku", "html|guide.chm::/Rules of sudoku|0|0"},
      {"guide.chm", "", "html|guide.chm|0|0"},
      {"guide.chm", longest.c_str(), "html|guide.chm::/" + longest + "|0|0"},
      {"guide.chm", tooLong.c_str(), ""},  // longer than the library takes
      {nullptr, "History", ""},
  };
  for (const auto& c : cases) {
    helpCall.clear();
    const HWND viewer = ShowHelpTopic(c.file, c.topic);
    EXPECT_EQ(helpCall, c.call) << c.file << " " << (c.topic ? c.topic : "");
    EXPECT_EQ(viewer, c.call.rfind("html", 0) == 0 ? HTML_VIEWER : nullptr) << c.call;
  }
  ShowHelpTopic("tesselsudoku.hlp", "History");
  CloseHelpViewer();
  EXPECT_EQ(helpCall, "classic|-|2|0");  // quit
  ShowHelpTopic("guide.chm", "History");
  HelpLayerStop();
  EXPECT_EQ(helpCall, "html|-|18|0");  // close all
  HelpViewersReplace({RecordClassic, nullptr});  // without the library
  helpCall.clear();
  EXPECT_EQ(ShowHelpTopic("guide.chm", "History"), nullptr);
  CloseHelpViewer();
  EXPECT_EQ(helpCall, "");
  HelpViewersReplace(platform);
}

}  // namespace
