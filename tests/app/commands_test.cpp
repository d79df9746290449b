// "Solve for me" on positions that have no solution: what the user is told,
// by which title, and that the fields and the button are as before. Which
// help topic each way of asking for help opens.
#include "app/commands.h"
#include "app/program.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/help_viewers.h"
#include "runtime/strings.h"
#include "tests/app/app_fixture.h"
#include "tests/support/input.h"
#include "ui/main_window.h"

namespace {

using SolveCommand = MainWindowTest;

struct Unsolvable {
  const char* what;
  std::vector<std::string> rows;
};

// Two equal digits that see each other; and a cell whose peers hold all
// nine digits, which only the search finds out.
const Unsolvable UNSOLVABLE[] = {
    {"two 5s in row 0",
     {"5___5____", "_________", "_________", "_________", "_________", "_________",
      "_________", "_________", "_________"}},
    {"no digit left for (0, 0)",
     {"_12345678", "9________", "_________", "_________", "_________", "_________",
      "_________", "_________", "_________"}},
};

struct Start {
  int32_t event;
  const char* title;
};

const Start STARTS[] = {{EVENT_GADGET, " Unsolvable Sudoku !!!"},
                        {EVENT_COMMAND, "Unsolvable Sudoku !!!"}};

TEST_F(SolveCommand, AnUnsolvablePositionIsReportedAndTheFieldsStayAsTyped) {
  for (const Unsolvable& position : UNSOLVABLE) {
    for (const Start& start : STARTS) {
      SCOPED_TRACE(std::string(position.what) + ", title '" + start.title + "'");
      TypeRows(position.rows);
      const auto boxes = AnswerBoxes([&] { SolveForMe(start.event); });
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].title, start.title);
      EXPECT_EQ(boxes[0].text, "It is impossible to solve this Sudoku.");
      EXPECT_TRUE(boxes[0].stopIcon);
      EXPECT_EQ(FieldRows(), position.rows);
      EXPECT_EQ(FieldText(BUTTON_SOLVE), "&Solve for me");
      EXPECT_TRUE(IsWindowEnabled(GadgetHandle(BUTTON_SOLVE)));
    }
  }
}

using HelpRouting = MainWindowTest;

std::vector<std::string> helpRequests;

BOOL WINAPI RecordHelp(HWND /*owner*/, LPCSTR file, UINT command, ULONG_PTR data) {
  const char* topic = command == HELP_KEY ? reinterpret_cast<const char*>(data) : "(no topic)";
  helpRequests.push_back(std::string(file ? file : "") + "|" + topic);
  return TRUE;
}

// Each way of asking for help, by real input through the main window's own
// event handling, opens the help file at its topic.
TEST_F(HelpRouting, EveryWayOpensItsTopic) {
  auto click = [](int32_t gadget) {
    return [gadget] {
      const POINT centre = input::Centre(GadgetHandle(gadget));
      input::Click(centre.x, centre.y);
    };
  };
  auto key = [](WORD virtualKey, uint32_t modifiers) {
    return [=] { input::KeyPress(virtualKey, modifiers); };
  };
  struct Way {
    const char* name;
    std::function<void()> ask;
    const char* topic;
  };
  const Way ways[] = {
      {"Help button", click(BUTTON_HELP), "Program commands"},
      {"F1", key(VK_F1, input::NONE), "Program commands"},
      {"Ctrl+H", key('H', input::CONTROL), "Program commands"},
      {"Sudoku rules button", click(BUTTON_RULES), "Rules of sudoku"},
      {"Ctrl+K", key('K', input::CONTROL), "Rules of sudoku"},
      {"portrait", click(PORTRAIT_PICTURE), "History"},
      {"portrait caption", click(PORTRAIT_CAPTION_PICTURE), "History"},
  };
  const HelpViewers platform = HelpViewersReplace({RecordHelp, nullptr});
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    SetForegroundWindow(WindowHandle(MAIN_WINDOW));
    SetFocus(GadgetHandle(FIRST_CELL));
    input::PumpMessages(100);
    helpRequests.clear();
    way.ask();
    input::WaitUntil([] { return !helpRequests.empty(); }, 3000,
                     [] {
                       TempScope scope;
                       HandleMainEvent(EventWait());
                     });
    EXPECT_EQ(helpRequests, std::vector<std::string>{std::string("tesselsudoku.hlp|") + way.topic});
  }
  HelpViewersReplace(platform);
}

}  // namespace
