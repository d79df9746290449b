// "Check and answer": markers over repeated digits during the pause, the
// confirmation for a position without repeats, and the busy button.
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr COLORREF PURPLE = RGB(99, 0, 148);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr DWORD PAUSE_BOUND = 8000;  // the pause is 4 s

struct Marker {
  int row, column;
};

bool CheckButtonBusy(const Program& program) {
  return !program.Enabled(CHECK) && program.Caption(CHECK) == CHECKING_TEXT;
}

bool CheckButtonRestored(const Program& program) {
  return program.Enabled(CHECK) && program.Caption(CHECK) == CHECK_TEXT;
}

std::vector<int> MarkersPresent(const Program& program) {
  std::vector<int> present;
  for (int number = MarkerNumber(0, 0); number <= MarkerNumber(8, 8); ++number) {
    if (program.Gadget(number)) present.push_back(number);
  }
  return present;
}

// Two 6s in row 0, and a 3 at (4, 4) that sees the 3s at (4, 0) and (0, 4).
TEST(Check, RepeatedDigitsAreMarkedDuringThePause) {
  const Marker marked[] = {{0, 2}, {0, 4}, {0, 7}, {4, 0}, {4, 4}};
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(0, 2, "6", "6"));
  EXPECT_TRUE(program.TypeInCell(0, 7, "6", "6"));
  EXPECT_TRUE(program.TypeInCell(4, 4, "3", "3"));
  EXPECT_TRUE(program.TypeInCell(4, 0, "3", "3"));
  EXPECT_TRUE(program.TypeInCell(0, 4, "3", "3"));
  const Grid typed = program.Rows();

  program.ClickGadget(CHECK);
  ASSERT_TRUE(WaitFor([&] { return MarkersPresent(program).size() == std::size(marked); }, 3000));
  EXPECT_TRUE(CheckButtonBusy(program));
  std::vector<int> expected;
  for (const Marker& marker : marked) expected.push_back(MarkerNumber(marker.row, marker.column));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(MarkersPresent(program), expected);  // 168 and 173 for the 6s
  for (const Marker& marker : marked) {
    const int number = MarkerNumber(marker.row, marker.column);
    SCOPED_TRACE(testing::Message() << "marker " << number);
    // 26 x 26, two pixels inside the cell.
    const RECT cell = program.GadgetRect(CellGadget(marker.row, marker.column));
    const RECT rect = program.GadgetRect(number);
    EXPECT_EQ(rect.left, cell.left + 2);
    EXPECT_EQ(rect.top, cell.top + 2);
    EXPECT_EQ(rect.right - rect.left, 26);
    EXPECT_EQ(rect.bottom - rect.top, 26);
    EXPECT_FALSE(program.Enabled(number)) << "a marker takes no input";
    const std::vector<COLORREF> pixels = program.Area(rect);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), PURPLE), 200);
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), WHITE), 15);
  }
  Shot(program, "check-markers");
  EXPECT_EQ(program.FindBox(), nullptr);

  EXPECT_TRUE(WaitFor([&] { return MarkersPresent(program).empty(); }, PAUSE_BOUND));
  EXPECT_TRUE(WaitFor([&] { return CheckButtonRestored(program); }, 3000));
  EXPECT_TRUE(program.NoBoxFor(700)) << "markers were shown, so no confirmation";
  EXPECT_EQ(program.Rows(), typed);
}

// Ctrl+C in a cell runs the check instead of copying. The grid reads as
// empty (a 0 is no digit), and the confirmation comes after the pause.
TEST(Check, EmptyGridIsConfirmedAfterThePause) {
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(4, 4, "0", "0"));
  ASSERT_TRUE(SetClipboardText("kept"));
  input::KeyPress(VK_HOME, input::SHIFT);  // the 0 selected, as if to copy it

  input::KeyPress('C', input::CONTROL);
  ASSERT_TRUE(WaitFor([&] { return CheckButtonBusy(program); }, 3000));
  const DWORD busySince = GetTickCount();
  EXPECT_TRUE(MarkersPresent(program).empty());
  HWND box = program.AwaitBox(PAUSE_BOUND);
  ASSERT_TRUE(box);
  EXPECT_GE(GetTickCount() - busySince, 3000u) << "the box came before the pause ended";
  EXPECT_TRUE(CheckButtonRestored(program));
  const Box confirmation = Program::ReadBox(box);
  EXPECT_EQ(confirmation.title, "Check and answer");
  EXPECT_EQ(confirmation.text, "Sudoku is being solved properly.");
  EXPECT_EQ(confirmation.icon, Box::Icon::NONE);
  Shot(program, "box-check");
  program.AnswerBox(box);
  EXPECT_TRUE(WaitFor([&] { return CheckButtonRestored(program); }, 3000));
  EXPECT_EQ(program.Cell(4, 4), "0");
  EXPECT_EQ(ClipboardText(), "kept");
}

}  // namespace
}  // namespace e2e
