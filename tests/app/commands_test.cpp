// "Solve for me" on positions that have no solution: what the user is told,
// by which title, and that the fields and the button are as before.
#include "app/commands.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "tests/app/app_fixture.h"
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

}  // namespace
