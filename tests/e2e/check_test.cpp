// "Check and answer": markers over repeated digits during the pause, the
// confirmation for a position without repeats, and the busy button.
#include <algorithm>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr COLORREF PURPLE = RGB(99, 0, 148);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr DWORD PAUSE_BOUND = 8000;  // the pause is 4 s

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
  for (const auto& [row, column] : marked) {
    SCOPED_TRACE(testing::Message() << "cell " << row << ", " << column);
    const RECT cell = program.GadgetRect(CellGadget(row, column));
    const RECT rect = program.GadgetRect(MarkerNumber(row, column));
    const RECT expected = {cell.left + 2, cell.top + 2, cell.left + 28, cell.top + 28};
    EXPECT_TRUE(EqualRect(&rect, &expected)) << "26 x 26, two pixels inside the cell";
    EXPECT_FALSE(program.Enabled(MarkerNumber(row, column))) << "a marker takes no input";
    const std::vector<COLORREF> pixels = program.Area(rect);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), PURPLE), 200);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), WHITE), 15);
  }
  Shot(program, "check-markers");
  EXPECT_TRUE(WaitFor([&] { return MarkersPresent(program).empty(); }, PAUSE_BOUND));
  EXPECT_TRUE(WaitFor([&] { return ButtonShows(program, CHECK, CHECK_TEXT, true); }, 3000));
  EXPECT_TRUE(program.NoBoxFor(700)) << "markers were shown, so no confirmation";
  EXPECT_EQ(program.Rows(), typed);

  // Ctrl+C in a cell runs the check. The grid reads as empty (a 0 is no
  // digit), and the confirmation comes after the pause.
  input::KeyPress('R', input::CONTROL);
  EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
  EXPECT_TRUE(program.TypeInCell(4, 4, "0", "0"));
  input::KeyPress('C', input::CONTROL);
  ASSERT_TRUE(WaitFor([&] { return ButtonShows(program, CHECK, CHECKING_TEXT, false); }, 3000));
  const DWORD busySince = GetTickCount();
  HWND box = program.AwaitBox(PAUSE_BOUND);
  ASSERT_TRUE(box);
  EXPECT_GE(GetTickCount() - busySince, 3000u) << "the box came before the pause ended";
  EXPECT_TRUE(MarkersPresent(program).empty());
  const Box confirmation = Program::ReadBox(box);
  EXPECT_EQ(confirmation.title, "Check and answer");
  EXPECT_EQ(confirmation.text, "Sudoku is being solved properly.");
  EXPECT_EQ(confirmation.icon, Box::Icon::NONE);
  Shot(program, "box-check");
  Program::AnswerBox(box);
  EXPECT_TRUE(WaitFor([&] { return ButtonShows(program, CHECK, CHECK_TEXT, true); }, 3000));
  EXPECT_EQ(program.Cell(4, 4), "0");
}

}  // namespace
}  // namespace e2e
