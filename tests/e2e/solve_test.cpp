// The commands that reason about the puzzle. "Solve for me" on positions a
// user can type: the solution of an empty grid, two repeated digits, two
// positions without any completion, and a published hard puzzle that the
// first search, with its 30000 tries, does not finish; the guard of the
// complete search, lowered in the probe build; what each message
// says and what the user sees in the fields and on the button while it is
// up, and afterwards. "Check and answer": markers over repeated digits
// during the pause, or the confirmation for a position without repeats,
// which keeps the window from taking input also when it has no owner.
#include <algorithm>
#include <regex>
#include <tuple>

#include "tests/e2e/e2e_test.h"
#include "tests/engine/puzzle_corpus.h"

namespace e2e {
namespace {

// Patterns of the two messages' texts.
const char IMPOSSIBLE[] = "It is impossible to solve this Sudoku\\.";
const char SOLVED_TEXT[] = "Here you are\\.\n\nSudoku solved in [0-9]+ milliseconds\\.";

// The nine rows of the cells given, "." for a cell without a digit and for
// those past the end.
Grid RowsOf(std::string cells) {
  cells.resize(81, '.');
  Grid rows;
  for (int i = 0; i < 81; ++i) rows[i / 9] += cells[i] >= '1' && cells[i] <= '9' ? cells[i] : '.';
  return rows;
}

// What types a position from (0, 0), Tab between cells; true once the fields
// show it.
std::function<bool(Program&)> Typing(const std::string& cells) {
  return [rows = RowsOf(cells)](Program& program) {
    std::string keys;  // each cell's digit, if it has one, and Tab to the next
    for (const std::string& row : rows) {
      for (const char cell : row) keys += (cell == '.' ? "" : std::string(1, cell)) + '\t';
    }
    keys.pop_back();
    program.ClickCell(0, 0);
    program.Type(keys.c_str(), true);
    return WaitFor([&] { return program.Rows() == rows; }, STEP_TIMEOUT);
  };
}

TEST(Solve, EachOutcomeAsTheUserSeesIt) {
  ASSERT_EQ(HARD_PUZZLES.size(), HARD_PUZZLE_COUNT) << PUZZLE_FILE;
  ASSERT_EQ(IMPOSSIBLE_POSITIONS.size(), IMPOSSIBLE_POSITION_COUNT) << PUZZLE_FILE;
  // A position typed in, and the solution the fields show while the message
  // says it is solved and afterwards; none for a position the message calls
  // impossible, which stays as typed, so that every way of starting is tried.
  const std::tuple<const char*, std::function<bool(Program&)>, const char*> cases[] = {
      {"empty grid", [](Program&) { return true; },
       "123456789456789123789123456214365897365897214897214365531642978642978531978531642"},
      {"two 5s", Typing("5..5"), nullptr},
      // The first search gives up on it; the complete search proves it
      // impossible, and the typed digits stay.
      {"no digit fits (8, 8), seen only by search", Typing(IMPOSSIBLE_POSITIONS[0].cells), nullptr},
      // Once the complete search's guard; now proved impossible without a guess.
      {IMPOSSIBLE_POSITIONS.back().name.c_str(), Typing(IMPOSSIBLE_POSITIONS.back().cells),
       nullptr},
      {HARD_PUZZLES[0].name.c_str(), Typing(HARD_PUZZLES[0].cells),
       "812753649943682175675491283154237896369845721287169534521974368438526917796318452"},
  };
  // How the command is started, and the title of the box for an impossible position.
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
  for (const auto& [name, type, solution] : cases) {
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(type(program)) << name;
    const Grid shown = solution ? RowsOf(solution) : program.Rows();
    for (const auto& [how, start, conflictTitle] : starts) {
      SCOPED_TRACE(std::string(name) + ", " + how);
      start(program);
      HWND box = program.AwaitBox(STEP_TIMEOUT);
      ASSERT_TRUE(box);
      const Box seen = Program::ReadBox(box);
      EXPECT_EQ(seen.title, solution ? "Sudoku solved !" : conflictTitle);
      EXPECT_TRUE(std::regex_match(seen.text, std::regex(solution ? SOLVED_TEXT : IMPOSSIBLE)))
          << seen.text;
      EXPECT_EQ(seen.icon, solution ? Box::Icon::INFORMATION : Box::Icon::STOP);
      EXPECT_TRUE(ButtonShows(program, SOLVE, SOLVING_TEXT, false));
      EXPECT_EQ(program.Rows(), shown) << "while the message is up";
      if (std::string(how) == "button") program.Shot(std::string("solve-") + name);
      Program::AnswerBox(box);
      EXPECT_TRUE(ButtonShows(program, SOLVE, SOLVE_TEXT, true));
      EXPECT_TRUE(program.NoBoxFor(300));
      EXPECT_EQ(program.Rows(), shown);
      if (solution) break;
    }
  }
}

// Should the complete search ever reach its guard (the probe build lowers
// it), the user is told so plainly, and the typed digits stay in the cells,
// none of the search's guesses among them.
TEST(Solve, AGuardReachedLeavesTheTypedDigits) {
  Program program;
  ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE, "searchGuard"));
  ASSERT_TRUE(Typing(HARD_PUZZLES[0].cells)(program));
  const Grid typed = program.Rows();
  program.ClickGadget(SOLVE);
  HWND box = program.AwaitBox(STEP_TIMEOUT);
  ASSERT_TRUE(box);
  const Box seen = Program::ReadBox(box);
  EXPECT_EQ(seen.title, "Solve for me");
  EXPECT_EQ(seen.text,
            "The program could not finish solving this position.\n\n"
            "Your digits are left as you typed them.");
  EXPECT_EQ(seen.icon, Box::Icon::INFORMATION);
  EXPECT_EQ(program.Rows(), typed) << "while the message is up";
  program.Shot("solve-guard");
  Program::AnswerBox(box);
  EXPECT_TRUE(ButtonShows(program, SOLVE, SOLVE_TEXT, true));
  EXPECT_TRUE(program.NoBoxFor(300));
  EXPECT_EQ(program.Rows(), typed);
}

constexpr COLORREF PURPLE = RGB(99, 0, 148);
constexpr COLORREF WHITE = RGB(255, 255, 255);

// The button's face shows a disabled caption: grey text and nothing dark.
bool GreyCaption(const Program& program, int button) {
  int grey = 0;
  int dark = 0;
  for (const COLORREF c : input::ScreenArea(program.Rect(button))) {
    const int level = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    grey += GetRValue(c) == GetGValue(c) && level >= 0x90 && level <= 0xB8;
    dark += level < 0x60;
  }
  return grey > 100 && dark == 0;
}

std::vector<int> MarkersPresent(const Program& program) {
  std::vector<int> present;
  for (int number = MarkerNumber(0, 0); number <= MarkerNumber(8, 8); ++number) {
    if (program.Gadget(number)) present.push_back(number);
  }
  return present;
}

// Two 6s in row 0, and a 3 at (4, 4) that sees the 3s at (4, 0) and (0, 4):
// each is covered by a marker of its digit until the pause ends; then no
// confirmation comes.
TEST(Check, RepeatedDigitsAreMarkedOtherwiseTheGridIsConfirmed) {
  const Bystander bystander;
  ASSERT_TRUE(bystanderWindow.load());
  Program program;
  ASSERT_TRUE(program.Start());
  const std::pair<int, int> marked[] = {{0, 2}, {0, 4}, {0, 7}, {4, 0}, {4, 4}};
  for (const auto& [row, column] : marked) {
    const char* digit = row == 0 && column != 4 ? "6" : "3";
    EXPECT_TRUE(program.TypeInCell(row, column, digit, digit));
  }
  const Grid typed = program.Rows();
  program.ClickGadget(CHECK);
  ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).size() == 5; }, 3000));
  EXPECT_TRUE(ButtonShows(program, CHECK, CHECKING_TEXT, false));
  // On the screen too, while the pause lasts: the busy caption drawn grey,
  // none of the old caption's black, and the button no longer pressed.
  EXPECT_TRUE(WaitFor([&] { return GreyCaption(program, CHECK); }, 1000));
  for (const auto& [row, column] : marked) {
    SCOPED_TRACE(testing::Message() << "cell " << row << ", " << column);
    const RECT cell = program.Rect(CellGadget(row, column));
    const RECT rect = program.Rect(MarkerNumber(row, column));
    const RECT expected = {cell.left + 2, cell.top + 2, cell.left + 28, cell.top + 28};
    EXPECT_TRUE(EqualRect(&rect, &expected)) << "26 x 26, two pixels inside the cell";
    EXPECT_FALSE(program.Enabled(MarkerNumber(row, column))) << "a marker takes no input";
    const std::vector<COLORREF> pixels = input::ScreenArea(rect);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), PURPLE), 200);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), WHITE), 15);
  }
  program.Shot("check-markers");
  EXPECT_TRUE(WaitFor([&] { return MarkersPresent(program).empty(); }, PAUSE_BOUND));
  EXPECT_TRUE(ButtonShows(program, CHECK, CHECK_TEXT, true));
  EXPECT_TRUE(WaitFor([&] { return !GreyCaption(program, CHECK); }, 1000));
  EXPECT_TRUE(program.NoBoxFor(700)) << "markers were shown, so no confirmation";
  EXPECT_EQ(program.Rows(), typed);

  // Ctrl+C in a cell runs the check on the empty grid, and the confirmation
  // comes after the pause. The user has turned
  // to another program meanwhile, so the box has no owner to disable: the
  // window must still take nothing until the box is answered.
  input::KeyPress('R', input::CONTROL);
  EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
  program.ClickCell(4, 4);
  input::KeyPress('C', input::CONTROL);
  ASSERT_TRUE(ButtonShows(program, CHECK, CHECKING_TEXT, false));
  const DWORD busySince = GetTickCount();
  EXPECT_TRUE(MakeForeground(bystanderWindow));
  HWND box = program.AwaitBox(PAUSE_BOUND);
  ASSERT_TRUE(box);
  EXPECT_GE(GetTickCount() - busySince, 3000u) << "the box came before the pause ended";
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  EXPECT_FALSE(IsWindowEnabled(program.Window())) << "the window takes input beside the box";
  EXPECT_TRUE(MarkersPresent(program).empty());
  const Box confirmation = Program::ReadBox(box);
  EXPECT_EQ(confirmation.title, "Check and answer");
  EXPECT_EQ(confirmation.text, "Sudoku is being solved properly.");
  EXPECT_EQ(confirmation.icon, Box::Icon::NONE);
  program.Shot("box-check");
  Program::AnswerBox(box);
  EXPECT_TRUE(ButtonShows(program, CHECK, CHECK_TEXT, true));
  EXPECT_TRUE(IsWindowEnabled(program.Window()));
  EXPECT_EQ(program.Rows(), EMPTY_ROWS);
}

// Used hard first: bursts of Enter digits clicked faster than they run, and
// clicks and digits typed into the cells while a check pauses. A check of
// three 3s that see each other then still shows all three markers, each
// drawn with its digit.
TEST(Check, EveryMarkerShowsAfterBurstsAndInputDuringThePause) {
  Program program;
  ASSERT_TRUE(program.Start());
  const std::pair<int, int> threes[] = {{0, 4}, {4, 0}, {4, 4}};
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    for (int click = 0; click < 60; ++click) program.ClickGadget(ENTER_DIGITS);
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
    input::KeyPress('R', input::CONTROL);
    ASSERT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, STEP_TIMEOUT));
    for (const auto& [row, column] : threes) ASSERT_TRUE(program.TypeInCell(row, column, "3", "3"));
    program.ClickGadget(CHECK);
    ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).size() == 3; }, 3000));
    // Input meanwhile: it waits for the pause to end, then reaches the cells.
    program.ClickCell(8, 8);
    program.Type("5");
    program.ClickCell(0, 4);
    program.Type("3");
    ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).empty(); }, PAUSE_BOUND));
    ASSERT_TRUE(ButtonShows(program, CHECK, CHECK_TEXT, true));
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
    program.ClickGadget(CHECK);
    ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).size() == 3; }, 3000));
    Sleep(300);  // the pictures are drawn as they are made
    for (const auto& [row, column] : threes) {
      SCOPED_TRACE(testing::Message() << "cell " << row << ", " << column);
      const std::vector<COLORREF> pixels =
          input::ScreenArea(program.Rect(MarkerNumber(row, column)));
      EXPECT_GT(std::count(pixels.begin(), pixels.end(), PURPLE), 200);
    }
    program.Shot("check-after-use-" + std::to_string(round));
    ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).empty(); }, PAUSE_BOUND));
    ASSERT_TRUE(ButtonShows(program, CHECK, CHECK_TEXT, true));
  }
}

}  // namespace
}  // namespace e2e
