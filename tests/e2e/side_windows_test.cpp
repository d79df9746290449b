// The About window and the donation dialog: every way of closing them with
// another program's window on the desktop, what they show, what they hand to
// the shell, and the donated flag they keep. The probe build records what
// reaches the shell.
#include <initializer_list>
#include <utility>

#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

namespace e2e {
namespace {

constexpr char WEB_PAGE[] = "http://www.tessel-sudoku.example/";
constexpr char MAIL_ADDRESS[] = "mailto:tomas.vedral@tessel-sudoku.example";
constexpr char DONATION_PAGE[] =
    "https://www.tessel-sudoku.example/donate?product=tessel-sudoku&lang=1"
    "&currency=USD,GBP,EUR&delivery=email";

// The shell has been asked to open these addresses, as the probe records
// it: verb, address, no parameters or folder, a normal window.
bool ShellOpened(const Program& program, std::initializer_list<const char*> addresses) {
  std::string log;
  for (const char* address : addresses) log += std::string("shell|open|") + address + "|||1\n";
  return WaitFor([&] { return ProbeAsk(program.ProcessId(), PROBE_LOG) == log; }, STEP_TIMEOUT);
}

// Clicks the window's close box, found the way the system finds it; without
// a window manager Wine draws the frame itself.
void ClickCloseBox(HWND window) {
  const RECT frame = input::RectOf(window);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int y = (frame.top + client.y) / 2;
  for (int x = frame.right - 1; x > frame.right - 80; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 3000, &hit);
    if (hit == HTCLOSE) return input::Click({x - 4, y});
  }
  ADD_FAILURE() << "no close box on the title bar";
}

// With another program's window on the desktop, activated while a side
// window is open and so lying above the main window, every way of closing
// either side window gives the foreground back to the main window, never to
// that other window. While a side window is open the main window takes nothing,
// and gadgets made afterwards (check markers) go into it again. The links
// and the donation page reach the shell and leave their window open. The
// donation dialog's box opens as the donated flag is, a stored 5 being no
// donation; each click turns both, and the flag is saved at the end with the
// level read at start (3: the slider and its name show it).
TEST(SideWindows, ClosingKeepsTheProgramInFrontAndTheDonatedFlag) {
  // Return, Escape, Ctrl with the letter of the close button, that button, and the close box.
  const char* const ways[] = {"Return", "Escape", "shortcut", "close button", "close box"};
  const Bystander bystander;
  ASSERT_TRUE(bystanderWindow.load());
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(5, 3), TESSEL_PROBE_EXE));
  EXPECT_EQ(program.SliderPosition(), 3);
  EXPECT_EQ(program.Text(LEVEL_NAME), "Hard sudoku");
  int opened = 0;
  for (const Side* kind : {&ABOUT_WINDOW, &DONATION_DIALOG}) {
    for (int way = 0; way < 5; ++way) {
      SCOPED_TRACE(std::string(kind->title) + ", " + ways[way]);
      // Opened by button and by shortcut in turn.
      HWND side = OpenSide(program, *kind, opened++ % 2 == 0);
      ASSERT_TRUE(side);
      EXPECT_FALSE(IsWindowEnabled(program.Window()));
      if (way == 0 && kind == &ABOUT_WINDOW) {
        program.ClickGadget(ENTER_DIGITS);  // reaches nothing
        program.Shot("about-window");
        ClickGadgetOf(side, WEB_LINK);
        ClickGadgetOf(side, MAIL_LINK);
        EXPECT_TRUE(ShellOpened(program, {WEB_PAGE, MAIL_ADDRESS}));
        // The links show the addresses they open.
        const std::string webText = TextOf(GetDlgItem(side, WEB_LINK));
        EXPECT_NE(std::string(WEB_PAGE).find(webText), std::string::npos) << webText;
        EXPECT_EQ("mailto:" + TextOf(GetDlgItem(side, MAIL_LINK)), MAIL_ADDRESS);
      }
      if (way == 0 && kind == &DONATION_DIALOG) {
        program.Shot("donation-dialog");
        input::KeyPress('W', input::CONTROL);
        ClickGadgetOf(side, WILL_DONATE);
        EXPECT_TRUE(ShellOpened(program, {WEB_PAGE, MAIL_ADDRESS, DONATION_PAGE, DONATION_PAGE}));
      }
      if (kind == &DONATION_DIALOG) {
        // The first three ways click the box: ticked after the clicks of ways 0 and 2.
        const UINT ticked = way == 1 || way > 2 ? 1 : 0;
        EXPECT_EQ(IsDlgButtonChecked(side, DONATED_BOX), ticked);
        if (way < 3) ClickGadgetOf(side, DONATED_BOX);
        const UINT after = way < 3 ? 1 - ticked : ticked;
        const auto shows = [&] { return IsDlgButtonChecked(side, DONATED_BOX) == after; };
        EXPECT_TRUE(WaitFor(shows, STEP_TIMEOUT));
      }
      Sleep(300);
      EXPECT_EQ(program.Find(nullptr, kind->title), side) << "it closed too soon";
      // The user turns to the other window, then to the side window again.
      EXPECT_TRUE(MakeForeground(bystanderWindow));
      // A click on its face beside its bottom button, where nothing lies (a
      // click on the title bar may start a window move that takes the next key).
      RECT face = {};
      GetClientRect(side, &face);
      POINT blank = {8, face.bottom - 8};
      ClientToScreen(side, &blank);
      EXPECT_TRUE(MakeForeground(side, [&] { input::Click(blank); }));
      // Windows now stacks the other window right under the side window,
      // above the main window; Wine raises the main window with the side
      // window, so the test stacks them as Windows does.
      SetWindowPos(bystanderWindow, side, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      HWND below = bystanderWindow;  // the main window is found further down
      while (below && below != program.Window()) below = GetWindow(below, GW_HWNDNEXT);
      EXPECT_TRUE(below);
      const int before = bystanderActivations;
      if (way < 2) input::KeyPress(way == 0 ? VK_RETURN : VK_ESCAPE);
      if (way == 2) input::KeyPress(kind->closeShortcut, input::CONTROL);
      if (way == 3) ClickGadgetOf(side, kind->closeButton);
      if (way == 4) ClickCloseBox(side);
      EXPECT_TRUE(WaitFor([&] { return !program.Find(nullptr, kind->title); }, STEP_TIMEOUT));
      Sleep(500);  // for the activation to settle
      EXPECT_EQ(GetForegroundWindow(), program.Window());
      EXPECT_TRUE(IsWindowEnabled(program.Window()));
      EXPECT_EQ(bystanderActivations, before) << "the other window came to the front";
    }
  }
  EXPECT_EQ(program.Rows(), EMPTY_ROWS) << "a click was kept for later";
  EXPECT_TRUE(ChecksTwoSixes(program));
  EXPECT_EQ(Quit(program), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(1, 3));
}

// Alt with a button's underlined letter raises the button's command, in
// the main window and in both side windows. The side windows cannot be
// resized and open wholly on the work area, also when the main window lies
// mostly beyond its corner. The read-only caption above the slider is no
// tab stop, and a click on it leaves the focus where it was.
TEST(SideWindows, AltLettersRaiseTheButtonsAndSideWindowsStayOnTheWorkArea) {
  Program program;
  ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE));
  input::KeyPress('E', input::ALT);
  EXPECT_NE(AwaitNewPosition(program, EMPTY_ROWS), EMPTY_ROWS) << "Alt+E";
  input::KeyPress('R', input::ALT);
  EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, STEP_TIMEOUT)) << "Alt+R";
  for (const auto& [letter, title] : {std::pair{'C', "Check and answer"}, {'S', "Sudoku solved !"}}) {
    input::KeyPress(letter, input::ALT);
    HWND box = program.AwaitBox(PAUSE_BOUND);
    ASSERT_TRUE(box) << letter;
    EXPECT_EQ(Program::ReadBox(box).title, title);
    Program::AnswerBox(box);
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
  }
  input::KeyPress('K', input::ALT);
  input::KeyPress('H', input::ALT);
  const auto helpShown = [&] {
    const std::string log = ProbeAsk(program.ProcessId(), PROBE_LOG);
    return log.find("rules.html") != std::string::npos &&
           log.find("commands.html") != std::string::npos;
  };
  EXPECT_TRUE(WaitFor(helpShown, STEP_TIMEOUT)) << "Alt+K, Alt+H";

  ASSERT_TRUE(program.TypeInCell(4, 4, "7", "7"));
  EXPECT_FALSE(GetWindowLongA(program.Gadget(CAPTION), GWL_STYLE) & WS_TABSTOP);
  program.ClickGadget(CAPTION);
  Sleep(300);
  EXPECT_EQ(program.FocusedGadget(), CellGadget(4, 4)) << "the caption took the focus";

  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(program.Window(), nullptr, work.right - 250, work.bottom - 120, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  // Each button's underlined letter is the one of its Ctrl shortcut.
  for (const Side* side : {&DONATION_DIALOG, &ABOUT_WINDOW}) {
    SCOPED_TRACE(side->title);
    ASSERT_TRUE(program.ToFront());
    input::KeyPress(side->shortcut, input::ALT);
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = program.Find(nullptr, side->title)) != nullptr; },
                        STEP_TIMEOUT));
    const RECT rect = input::RectOf(window);
    EXPECT_TRUE(rect.left >= work.left && rect.top >= work.top && rect.right <= work.right &&
                rect.bottom <= work.bottom)
        << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom;
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    ASSERT_TRUE(MakeForeground(window));
    if (side == &DONATION_DIALOG) {
      input::KeyPress('W', input::ALT);
      const auto opened = [&] {
        return ProbeAsk(program.ProcessId(), PROBE_LOG).find(DONATION_PAGE) != std::string::npos;
      };
      EXPECT_TRUE(WaitFor(opened, STEP_TIMEOUT)) << "Alt+W";
    }
    input::KeyPress(side->closeShortcut, input::ALT);
    EXPECT_TRUE(WaitFor([&] { return !program.Find(nullptr, side->title); }, STEP_TIMEOUT));
  }
  ASSERT_TRUE(program.ToFront());
  input::KeyPress('L', input::ALT);
  EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 0u) << "Alt+L";
}

}  // namespace
}  // namespace e2e
