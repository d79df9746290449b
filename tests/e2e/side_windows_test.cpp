// The About window and the donation dialog: every way of closing them with
// another program's window on the desktop, what they show, what they hand to
// the shell, the donated flag they keep, and a side window that cannot be
// made. The probe build records what reaches the shell.
#include <initializer_list>

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
  RECT frame = {};
  GetWindowRect(window, &frame);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int y = (frame.top + client.y) / 2;
  for (int x = frame.right - 1; x > frame.right - 80; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 3000, &hit);
    if (hit == HTCLOSE) return input::Click(x - 4, y);
  }
  ADD_FAILURE() << "no close box on the title bar";
}

// True when `upper` lies above `lower` among the desktop's windows.
bool Above(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

// A top-level window of another program on the desktop, on a thread of its
// own that takes its messages; it counts the times it was activated.
volatile LONG bystanderActivations;
HWND bystanderWindow;

DWORD WINAPI RunBystander(LPVOID ready) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE) InterlockedIncrement(&bystanderActivations);
    return DefWindowProcA(window, message, w, l);
  };
  windowClass.lpszClassName = "TesselBystander";
  RegisterClassA(&windowClass);
  bystanderWindow = CreateWindowExA(0, windowClass.lpszClassName, "Bystander",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 600, 300, 200, nullptr,
                                    nullptr, nullptr, nullptr);
  if (!bystanderWindow) return 1;
  SetEvent(ready);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

// With another program's window on the desktop, activated while a side
// window is open and so lying above the main window, every way of closing
// either side window gives the foreground back to the main window, never to
// that other window. While a side window is open the main window takes nothing,
// and gadgets made afterwards (check markers) go into it again. The links
// and the donation page reach the shell and leave their window open.
TEST(SideWindows, ClosingKeepsTheProgramInFront) {
  // A key with its modifiers, or a click on a gadget (key 0), or on the
  // close box (neither).
  const struct Closing {
    const Side* side;
    const char* name;
    WORD key;
    uint32_t modifiers;
    int gadget;
  } closings[] = {
      {&ABOUT_WINDOW, "Return", VK_RETURN, 0, 0},     {&ABOUT_WINDOW, "Escape", VK_ESCAPE, 0, 0},
      {&ABOUT_WINDOW, "Ctrl+L", 'L', input::CONTROL, 0}, {&ABOUT_WINDOW, "C&lose", 0, 0, ABOUT_CLOSE},
      {&ABOUT_WINDOW, "close box", 0, 0, 0},          {&DONATION_DIALOG, "Return", VK_RETURN, 0, 0},
      {&DONATION_DIALOG, "Escape", VK_ESCAPE, 0, 0},  {&DONATION_DIALOG, "Ctrl+O", 'O', input::CONTROL, 0},
      {&DONATION_DIALOG, "OK", 0, 0, DONATION_OK},   {&DONATION_DIALOG, "close box", 0, 0, 0},
  };
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD bystanderThread = 0;
  HANDLE bystander = CreateThread(nullptr, 0, RunBystander, ready, 0, &bystanderThread);
  ASSERT_EQ(WaitForSingleObject(ready, 5000), WAIT_OBJECT_0);
  Program program;
  ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE));
  for (const Closing& closing : closings) {
    SCOPED_TRACE(std::string(closing.side->title) + ", " + closing.name);
    // Opened by button and by shortcut in turn.
    HWND side = OpenSide(program, *closing.side, (&closing - closings) % 2 == 0);
    ASSERT_TRUE(side);
    EXPECT_FALSE(IsWindowEnabled(program.Window()));
    if (&closing == closings) {
      program.ClickGadget(ENTER_DIGITS);  // reaches nothing
      SaveScreenshot("about-window");
      ClickGadgetOf(side, WEB_LINK);
      ClickGadgetOf(side, MAIL_LINK);
      EXPECT_TRUE(ShellOpened(program, {WEB_PAGE, MAIL_ADDRESS}));
      // The links show the addresses they open.
      EXPECT_NE(std::string(WEB_PAGE).find(AskedText(GetDlgItem(side, WEB_LINK))), std::string::npos);
      EXPECT_EQ("mailto:" + AskedText(GetDlgItem(side, MAIL_LINK)), MAIL_ADDRESS);
    }
    if (&closing == &closings[5]) {  // the first donation row
      SaveScreenshot("donation-dialog");
      input::KeyPress('W', input::CONTROL);
      ClickGadgetOf(side, WILL_DONATE);
      EXPECT_TRUE(ShellOpened(program, {WEB_PAGE, MAIL_ADDRESS, DONATION_PAGE, DONATION_PAGE}));
    }
    Sleep(300);
    EXPECT_EQ(program.Find(nullptr, closing.side->title), side) << "it closed too soon";
    // The user turns to the other window, then to the side window again.
    SetForegroundWindow(bystanderWindow);
    EXPECT_TRUE(WaitFor([] { return GetForegroundWindow() == bystanderWindow; }, STEP_TIMEOUT));
    SetForegroundWindow(side);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == side; }, STEP_TIMEOUT));
    // Windows now stacks the other window right under the side window, above
    // the main window; Wine raises the main window with the side window, so
    // the test stacks them as Windows does.
    SetWindowPos(bystanderWindow, side, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(Above(bystanderWindow, program.Window()));
    const LONG before = bystanderActivations;
    if (closing.key) {
      input::KeyPress(closing.key, closing.modifiers);
    } else {
      closing.gadget ? ClickGadgetOf(side, closing.gadget) : ClickCloseBox(side);
    }
    EXPECT_TRUE(WaitFor([&] { return !program.Find(nullptr, closing.side->title); }, STEP_TIMEOUT));
    Sleep(500);  // for the activation to settle
    EXPECT_EQ(GetForegroundWindow(), program.Window());
    EXPECT_TRUE(IsWindowEnabled(program.Window()));
    EXPECT_EQ(bystanderActivations, before) << "the other window came to the front";
  }
  EXPECT_EQ(program.Rows(), EMPTY_ROWS) << "a click was kept for later";
  ASSERT_TRUE(program.TypeInCell(0, 2, "6", "6"));
  ASSERT_TRUE(program.TypeInCell(0, 7, "6", "6"));
  Program::PointerAway();
  input::KeyPress('C', input::CONTROL);
  EXPECT_TRUE(WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) != nullptr; }, STEP_TIMEOUT));
  WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) == nullptr; }, STEP_TIMEOUT);
  EXPECT_EQ(Quit(program), 0u);
  PostThreadMessageA(bystanderThread, WM_QUIT, 0, 0);
  WaitForSingleObject(bystander, 5000);
  CloseHandle(bystander);
  CloseHandle(ready);
}

// The box opens as the stored flag says; each click turns both the box and
// the flag, which is saved when the program ends, with the level read at
// start (3: the slider and its name show it).
TEST(Donation, TheBoxKeepsTheDonatedFlag) {
  struct Case {
    int32_t stored;
    int clicks;
    int32_t saved;
  };
  const Case cases[] = {{5, 1, 1}, {1, 2, 1}, {0, 2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "flag " << c.stored << ", " << c.clicks << " clicks");
    Program program;
    ASSERT_TRUE(program.Start(SettingsBytes(c.stored, 3)));
    EXPECT_EQ(program.SliderPosition(), 3);
    EXPECT_EQ(program.Text(LEVEL_NAME), "Hard sudoku");
    HWND dialog = OpenSide(program, DONATION_DIALOG, c.clicks == 1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(IsDlgButtonChecked(dialog, DONATED_BOX), c.stored == 1 ? 1 : 0);
    for (int click = 1; click <= c.clicks; ++click) {
      ClickGadgetOf(dialog, DONATED_BOX);
      const UINT ticked = (c.stored == 1) != (click % 2 == 1) ? 1 : 0;
      EXPECT_TRUE(WaitFor([&] { return IsDlgButtonChecked(dialog, DONATED_BOX) == ticked; }, STEP_TIMEOUT))
          << "after click " << click;
      input::AwaitDoubleClickTime();
    }
    EXPECT_TRUE(CloseSide(program, dialog, DONATION_DIALOG, true));
    ASSERT_EQ(Quit(program), 0u);
    EXPECT_EQ(program.Settings(), SettingsBytes(c.saved, 3));
  }
}

// A side window whose window or gadget list cannot be made leaves nothing
// open and the main window enabled and in use.
TEST(SideWindows, ThatCannotBeMadeLeaveTheMainWindowUsable) {
  for (const char* refused : {"sideWindow", "sideGadgetList"}) {
    SCOPED_TRACE(refused);
    Program program;
    ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE, refused));
    for (const Side* side : {&ABOUT_WINDOW, &DONATION_DIALOG}) {
      input::KeyPress(side->shortcut, input::CONTROL);
      Sleep(500);
      EXPECT_EQ(VisibleWindows(program.ProcessId()).size(), 1u) << side->title;
      EXPECT_TRUE(program.AwaitInput(STEP_TIMEOUT)) << side->title;
    }
    EXPECT_TRUE(program.TypeInCell(4, 4, "7", "7")) << "the main window no longer responds";
    EXPECT_EQ(Quit(program), 0u);
  }
}

}  // namespace
}  // namespace e2e
