// "Solve for me" on positions a user can type: the solution of an empty
// grid, two repeated digits, a position without any completion and one the
// search gives up on; what each message says and what the user sees in the
// fields and on the button while it is up, and afterwards.
#include <regex>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

const char IMPOSSIBLE[] = "It is impossible to solve this Sudoku.";
const char EXCEPTIONAL_TITLE[] = "Unsolvable initial configuration";
const char EXCEPTIONAL_TEXT[] = "Note:\n\nExceptional grid configuration[\\s\\S]*";
const char ANALYZE_TEXT[] = "Analyze the diagram\\.[\\s\\S]*";

using Check = std::function<bool(const Grid& typed, const Grid& shown)>;
const Check AS_TYPED = [](const Grid& typed, const Grid& shown) { return shown == typed; };

struct Message {
  const char* title;  // null: the title of the conflict box, by how it was started
  std::string text;   // as shown, or a pattern
  Box::Icon icon;
  Check fields;       // while the box is up
};

struct Case {
  const char* name;
  std::function<bool(Program&)> type;
  std::vector<Message> messages;
  Check after;
  bool kept;  // the position stays, so that every way of starting is tried
};

TEST(Solve, EachOutcomeAsTheUserSeesIt) {
  const Check solution = [](const Grid&, const Grid& shown) { return shown == EMPTY_GRID_SOLUTION; };
  // The search's partial grid: the typed digits and more, (8, 8) still open.
  const Check partial = [](const Grid&, const Grid& shown) {
    return shown[8] == "12345678." && shown[0][8] == '9' && shown[1] != ".........";
  };
  const Check cleared = [](const Grid&, const Grid& shown) { return shown == EMPTY_ROWS; };
  const Case cases[] = {
      {"empty grid, a 0 and a pasted text in it",
       [](Program& p) {
         SetClipboardText("abc");
         p.ClickCell(2, 2);
         input::KeyPress('V', input::CONTROL);
         return WaitFor([&] { return p.Cell(2, 2) == "a"; }, 3000) && p.TypeInCell(4, 4, "0", "0");
       },
       {{"Sudoku solved !", "Here you are\\.\n\nSudoku solved in [0-9]+ milliseconds\\.",
         Box::Icon::INFORMATION, solution}},
       solution, false},
      {"two 5s",
       [](Program& p) { return p.TypeInCell(0, 0, "5", "5") && p.TypeInCell(0, 3, "5", "5"); },
       {{nullptr, IMPOSSIBLE, Box::Icon::STOP, AS_TYPED}}, AS_TYPED, true},
      {"no digit fits (0, 0)",
       [](Program& p) {
         return p.TypeInCell(0, 1, "1\t2\t3\t4\t5\t6\t7\t8", "8") && p.TypeInCell(1, 0, "9", "9");
       },
       {{nullptr, IMPOSSIBLE, Box::Icon::STOP, AS_TYPED}}, AS_TYPED, true},
      {"the search gives up",
       [](Program& p) {
         return p.TypeInCell(8, 0, "1\t2\t3\t4\t5\t6\t7\t8", "8") && p.TypeInCell(0, 8, "9", "9");
       },
       {{EXCEPTIONAL_TITLE, EXCEPTIONAL_TEXT, Box::Icon::INFORMATION, AS_TYPED},
        {EXCEPTIONAL_TITLE, ANALYZE_TEXT, Box::Icon::INFORMATION, partial}},
       cleared, false},
  };
  // How the command is started, and the conflict box's title for it.
  const std::tuple<const char*, std::function<void(Program&)>, const char*> starts[] = {
      {"button", [](Program& p) { p.ClickGadget(SOLVE); }, " Unsolvable Sudoku !!!"},
      {"Ctrl+S", [](Program&) { input::KeyPress('S', input::CONTROL); }, "Unsolvable Sudoku !!!"},
      {"Return in a cell",
       [](Program& p) {
         p.ClickCell(5, 5);
         input::KeyPress(VK_RETURN);
       },
       "Unsolvable Sudoku !!!"},
  };
  for (const Case& c : cases) {
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(c.type(program)) << c.name;
    const Grid typed = program.Rows();
    for (const auto& [how, start, conflictTitle] : starts) {
      SCOPED_TRACE(std::string(c.name) + ", " + how);
      start(program);
      for (const Message& expected : c.messages) {
        HWND box = program.AwaitBox(STEP_TIMEOUT);
        ASSERT_TRUE(box);
        const Box seen = Program::ReadBox(box);
        EXPECT_EQ(seen.title, expected.title ? expected.title : conflictTitle);
        EXPECT_TRUE(seen.text == expected.text ||
                    std::regex_match(seen.text, std::regex(expected.text)))
            << seen.text;
        EXPECT_EQ(seen.icon, expected.icon);
        EXPECT_TRUE(ButtonShows(program, SOLVE, SOLVING_TEXT, false));
        EXPECT_TRUE(expected.fields(typed, program.Rows()));
        if (std::string(how) == "button") Shot(program, std::string("solve-") + c.name);
        Program::AnswerBox(box);
      }
      EXPECT_TRUE(WaitFor([&] { return ButtonShows(program, SOLVE, SOLVE_TEXT, true); }, STEP_TIMEOUT));
      EXPECT_TRUE(program.NoBoxFor(300));
      EXPECT_TRUE(c.after(typed, program.Rows()));
      if (!c.kept) break;
    }
  }
}

}  // namespace
}  // namespace e2e
