// "Solve for me" on positions a user can type: the solution of an empty
// grid, repeated digits, a position without any completion and one the
// search gives up on; the button and the fields while each message is up.
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

const char IMPOSSIBLE_TEXT[] = "It is impossible to solve this Sudoku.";
const char EXCEPTIONAL_TITLE[] = "Unsolvable initial configuration";
const char EXCEPTIONAL_TEXT[] =
    "Note:\n\nExceptional grid configuration. Program is not able to solve this sudoku.\n\n"
    "Tessel SUDOKU enters initial numbers at random. Thus there may be an Unsolvable "
    "configuration.\n\nAdditionally, User could enter an unsolvable configuration. ";
const char ANALYZE_TEXT[] =
    "Analyze the diagram.\n\nAfter pushing *OK* button all digits will be removed from fields.";

// What a user sees while a message box of the command is up.
struct Seen {
  Box box;
  bool buttonEnabled = true;
  std::string buttonText;
  Grid rows;
};

// Waits for the next box, notes the button and the fields, takes a
// screenshot and answers it.
Seen AnswerNextBox(const Program& program, const char* shot) {
  Seen seen;
  HWND box = program.AwaitBox(STEP_TIMEOUT);
  if (!box) return seen;
  seen.box = Program::ReadBox(box);
  seen.buttonEnabled = program.Enabled(SOLVE);
  seen.buttonText = program.Caption(SOLVE);
  seen.rows = program.Rows();
  if (shot) Shot(program, shot);
  program.AnswerBox(box);
  return seen;
}

bool SolveButtonRestored(Program& program) {
  return WaitFor([&] { return program.Enabled(SOLVE) && program.Caption(SOLVE) == SOLVE_TEXT; },
                 5000);
}

void ExpectBusyButton(const Seen& seen) {
  EXPECT_FALSE(seen.buttonEnabled);
  EXPECT_EQ(seen.buttonText, SOLVING_TEXT);
}

// "Here you are.\n\nSudoku solved in N milliseconds." with N all digits.
bool IsSolvedText(const std::string& text) {
  const std::string head = "Here you are.\n\nSudoku solved in ";
  const std::string tail = " milliseconds.";
  if (text.size() <= head.size() + tail.size()) return false;
  if (text.compare(0, head.size(), head) != 0) return false;
  if (text.compare(text.size() - tail.size(), tail.size(), tail) != 0) return false;
  const std::string number = text.substr(head.size(), text.size() - head.size() - tail.size());
  return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

TEST(Solve, EmptyGridGetsTheKnownSolution) {
  Program program;
  ASSERT_TRUE(program.Start());
  // Fields that read as empty: a 0, and a pasted text trimmed to its letter.
  EXPECT_TRUE(program.TypeInCell(4, 4, "0", "0"));
  ASSERT_TRUE(SetClipboardText("abc"));
  program.ClickCell(2, 2);
  input::KeyPress('V', input::CONTROL);
  EXPECT_TRUE(WaitFor([&] { return program.Cell(2, 2) == "a"; }, 3000))
      << "pasted cell reads \"" << program.Cell(2, 2) << "\"";

  program.ClickGadget(SOLVE);
  const Seen seen = AnswerNextBox(program, "box-solved");
  EXPECT_EQ(seen.box.title, "Sudoku solved !");
  EXPECT_TRUE(IsSolvedText(seen.box.text)) << seen.box.text;
  EXPECT_EQ(seen.box.icon, Box::Icon::INFORMATION);
  ExpectBusyButton(seen);
  EXPECT_EQ(seen.rows, EMPTY_GRID_SOLUTION);

  EXPECT_TRUE(SolveButtonRestored(program));
  EXPECT_EQ(program.Rows(), EMPTY_GRID_SOLUTION);
  Shot(program, "solved");
}

// Two 5s that see each other, and a position whose (0, 0) no digit fits
// (row 0 "_12345678", a 9 at (1, 0)), which only the search proves: the
// user is told it cannot be solved, by a title that says how the command
// was started, and keeps the position.
TEST(Solve, UnsolvablePositionIsRefusedWhateverStartsIt) {
  struct Start {
    const char* name;
    std::function<void(Program&)> start;
    const char* title;  // the button's box has a leading blank
  };
  const Start starts[] = {
      {"button", [](Program& p) { p.ClickGadget(SOLVE); }, " Unsolvable Sudoku !!!"},
      {"Ctrl+S", [](Program&) { input::KeyPress('S', input::CONTROL); }, "Unsolvable Sudoku !!!"},
      {"Return in a cell",
       [](Program& p) {
         p.ClickCell(5, 5);
         input::KeyPress(VK_RETURN);
       },
       "Unsolvable Sudoku !!!"},
  };
  const std::pair<const char*, std::function<bool(Program&)>> positions[] = {
      {"two 5s", [](Program& p) { return p.TypeInCell(0, 0, "5", "5") && p.TypeInCell(0, 3, "5", "5"); }},
      {"no digit for (0, 0)",
       [](Program& p) {
         return p.TypeInCell(0, 1, "1\t2\t3\t4\t5\t6\t7\t8", "8") && p.TypeInCell(1, 0, "9", "9");
       }},
  };
  for (const auto& [what, type] : positions) {
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(type(program));
    const Grid typed = program.Rows();
    for (const Start& start : starts) {
      SCOPED_TRACE(std::string(what) + ", " + start.name);
      start.start(program);
      const Seen seen = AnswerNextBox(program, &start == starts ? "box-repeated" : nullptr);
      EXPECT_EQ(seen.box.title, start.title);
      EXPECT_EQ(seen.box.text, IMPOSSIBLE_TEXT);
      EXPECT_EQ(seen.box.icon, Box::Icon::STOP);
      ExpectBusyButton(seen);
      EXPECT_TRUE(program.NoBoxFor(300));
      EXPECT_TRUE(SolveButtonRestored(program));
      EXPECT_EQ(program.Rows(), typed);
    }
  }
}

// Row 8 holds 1 to 8 and a 9 stands at (0, 8): the search gives up.
TEST(Solve, PositionTheSearchGivesUpOnIsShownThenCleared) {
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(8, 0, "1\t2\t3\t4\t5\t6\t7\t8", "8"));
  EXPECT_TRUE(program.TypeInCell(0, 8, "9", "9"));
  const Grid typed = program.Rows();

  program.ClickGadget(SOLVE);
  const Seen note = AnswerNextBox(program, "box-exceptional");
  EXPECT_EQ(note.box.title, EXCEPTIONAL_TITLE);
  EXPECT_EQ(note.box.text, EXCEPTIONAL_TEXT);
  EXPECT_EQ(note.box.icon, Box::Icon::INFORMATION);
  ExpectBusyButton(note);
  EXPECT_EQ(note.rows, typed);

  const Seen analyse = AnswerNextBox(program, "box-analyze");
  EXPECT_EQ(analyse.box.title, EXCEPTIONAL_TITLE);
  EXPECT_EQ(analyse.box.text, ANALYZE_TEXT);
  EXPECT_EQ(analyse.box.icon, Box::Icon::INFORMATION);
  ExpectBusyButton(analyse);
  // The search's partial grid: the typed digits and more, (8, 8) still open.
  EXPECT_EQ(analyse.rows[8].substr(0, 8), "12345678");
  EXPECT_EQ(analyse.rows[8][8], '.');
  EXPECT_EQ(analyse.rows[0][8], '9');
  int filled = 0;
  for (const std::string& row : analyse.rows) {
    filled +=
        static_cast<int>(std::count_if(row.begin(), row.end(), [](char c) { return c != '.'; }));
  }
  EXPECT_GT(filled, 9) << "the search's digits are not in the fields";

  EXPECT_TRUE(SolveButtonRestored(program));
  EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
}

}  // namespace
}  // namespace e2e
