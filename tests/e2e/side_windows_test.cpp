// The About window and the donation dialog: every way of opening and closing
// them, what they show, what they hand to the shell, the donated flag they
// keep, and that opening them many times leaves nothing behind. The shell's
// URL handlers point at a recorder for the length of each test.
#include <algorithm>
#include <cstdio>

#include "tests/e2e/e2e_test.h"
#include "tests/e2e/shell_log.h"
#include "tests/e2e/side_windows.h"

namespace e2e {
namespace {

constexpr DWORD STEP_TIMEOUT = 5000;

constexpr char WEB_PAGE[] = "http://www.tessel-sudoku.example/";
constexpr char MAIL_ADDRESS[] = "mailto:tomas.vedral@tessel-sudoku.example";
constexpr char DONATION_PAGE[] =
    "https://www.tessel-sudoku.example/donate?product=tessel-sudoku&lang=1"
    "&currency=USD,GBP,EUR&delivery=email";

std::string TextOf(HWND window, int gadget) { return AskedText(GetDlgItem(window, gadget)); }

int CheckOf(HWND window, int gadget) {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(GetDlgItem(window, gadget), BM_GETCHECK, 0, 0, SMTO_NORMAL, 3000,
                           &state)) {
    return -1;
  }
  return static_cast<int>(state);
}

// A point of the window's close box, found the way the system finds it.
std::optional<POINT> CloseBoxPoint(HWND window) {
  RECT frame = {};
  GetWindowRect(window, &frame);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int y = (frame.top + client.y) / 2;
  for (int x = frame.right - 1; x > frame.right - 80; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 3000, &hit);
    if (hit == HTCLOSE) return POINT{x - 4, y};
  }
  return std::nullopt;
}

// After the side window has closed the main window takes input again.
void ExpectMainWindowBack(const Program& program) {
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.Window()) != FALSE; }, STEP_TIMEOUT))
      << "the main window stays disabled";
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == program.Window(); }, STEP_TIMEOUT))
      << "the main window is not active";
}

// Ends the program with its Escape shortcut; its exit code.
std::optional<DWORD> Quit(Program& program) {
  program.ToFront();
  program.Key(VK_ESCAPE);
  return program.AwaitExit(10000);
}

// One way of acting on the open side window, named for the trace.
struct Way {
  const char* name;
  std::function<void(HWND)> act;
};

TEST(ShellLog, RecordsWhatTheShellOpens) {
  ShellLog log;
  ASSERT_TRUE(log.Ready());
  for (const char* address : {WEB_PAGE, MAIL_ADDRESS, DONATION_PAGE}) {
    ShellExecuteA(nullptr, "open", address, "", "", SW_SHOWNORMAL);
  }
  ASSERT_TRUE(log.AwaitCount(3, STEP_TIMEOUT));
  // The three may be written in any order.
  std::vector<std::string> recorded = log.Addresses();
  std::sort(recorded.begin(), recorded.end());
  const std::vector<std::string> expected = {WEB_PAGE, DONATION_PAGE, MAIL_ADDRESS};
  EXPECT_EQ(recorded, expected);
}

TEST(About, OpensWithItsContentAndKeepsTheMainWindowOut) {
  struct Opening {
    const char* name;
    std::function<void(Program&)> open;
  };
  const Opening openings[] = {
      {"About button", [](Program& p) { p.ClickGadget(ABOUT); }},
      {"Ctrl+A", [](Program& p) { p.Key('A', input::CONTROL); }},
  };
  for (const Opening& opening : openings) {
    SCOPED_TRACE(opening.name);
    Program program;
    ASSERT_TRUE(program.Start());
    opening.open(program);
    HWND about = AwaitSideWindow(program, ABOUT_TITLE);
    ASSERT_TRUE(about) << "no window \"About\"";
    EXPECT_FALSE(IsWindowEnabled(program.Window()));
    EXPECT_EQ(TextOf(about, VERSION), "version 1.62");
    const std::string author = TextOf(about, AUTHOR);
    EXPECT_NE(author.find("2006"), std::string::npos) << author;
    EXPECT_NE(author.find("2007"), std::string::npos) << author;
    EXPECT_EQ(TextOf(about, WWW_LABEL), "www:");
    EXPECT_EQ(TextOf(about, MAIL_LABEL), "E - mail:");
    EXPECT_FALSE(TextOf(about, WEB_LINK).empty());
    EXPECT_EQ(std::string("mailto:") + TextOf(about, MAIL_LINK), MAIL_ADDRESS);
    EXPECT_EQ(TextOf(about, ABOUT_CLOSE), "C&lose");
    if (&opening == openings) SaveScreenshot("about-window");

    // The main window is disabled: a click on "Enter digits" reaches nothing.
    program.ClickGadget(ENTER_DIGITS);
    Sleep(500);
    EXPECT_EQ(program.Rows(), EMPTY_ROWS);
    EXPECT_EQ(FindSideWindow(program, ABOUT_TITLE), about);

    program.Key(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return Gone(program, ABOUT_TITLE); }, STEP_TIMEOUT));
    ExpectMainWindowBack(program);
    Sleep(300);
    EXPECT_EQ(program.Rows(), EMPTY_ROWS) << "the click was kept for later";
    EXPECT_TRUE(program.TypeInCell(4, 4, "7", "7")) << "the main window no longer responds";
    EXPECT_EQ(Quit(program), 0u);
  }
}

TEST(About, EveryWayOfClosingGivesTheMainWindowBack) {
  const Way closings[] = {
      {"Return", [](HWND) { input::KeyPress(VK_RETURN); }},
      {"Escape", [](HWND) { input::KeyPress(VK_ESCAPE); }},
      {"Ctrl+L", [](HWND) { input::KeyPress('L', input::CONTROL); }},
      {"C&lose", [](HWND about) { ClickGadgetOf(about, ABOUT_CLOSE); }},
      {"close box",
       [](HWND about) {
         // Without a window manager Wine draws the frame itself.
         const std::optional<POINT> box = CloseBoxPoint(about);
         ASSERT_TRUE(box) << "no close box on the title bar";
         input::Click(box->x, box->y);
       }},
  };
  Program program;
  ASSERT_TRUE(program.Start());
  for (const Way& closing : closings) {
    SCOPED_TRACE(closing.name);
    ASSERT_TRUE(program.ToFront());
    program.Key('A', input::CONTROL);
    HWND about = AwaitSideWindow(program, ABOUT_TITLE);
    ASSERT_TRUE(about);
    closing.act(about);
    EXPECT_TRUE(WaitFor([&] { return Gone(program, ABOUT_TITLE); }, STEP_TIMEOUT));
    ExpectMainWindowBack(program);
  }
  // Gadgets made later, the check markers, go into the main window again.
  ASSERT_TRUE(program.TypeInCell(0, 2, "6", "6"));
  ASSERT_TRUE(program.TypeInCell(0, 7, "6", "6"));
  program.PointerAway();
  program.Key('C', input::CONTROL);
  EXPECT_TRUE(
      WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) != nullptr; }, STEP_TIMEOUT));
  WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) == nullptr; }, 10000);
  EXPECT_EQ(Quit(program), 0u);
}

TEST(About, LinksHandTheirAddressesToTheShellAndStayOpen) {
  ShellLog log;
  ASSERT_TRUE(log.Ready());
  Program program;
  ASSERT_TRUE(program.Start());
  program.ClickGadget(ABOUT);
  HWND about = AwaitSideWindow(program, ABOUT_TITLE);
  ASSERT_TRUE(about);
  const std::string webText = TextOf(about, WEB_LINK);

  ClickGadgetOf(about, WEB_LINK);
  ASSERT_TRUE(log.AwaitCount(1, STEP_TIMEOUT)) << "nothing reached the shell";
  ClickGadgetOf(about, MAIL_LINK);
  ASSERT_TRUE(log.AwaitCount(2, STEP_TIMEOUT));
  const std::vector<std::string> addresses = log.Addresses();
  EXPECT_EQ(addresses[0], WEB_PAGE);
  EXPECT_NE(addresses[0].find(webText), std::string::npos) << "the link reads " << webText;
  EXPECT_EQ(addresses[1], MAIL_ADDRESS);
  Sleep(300);
  EXPECT_EQ(FindSideWindow(program, ABOUT_TITLE), about) << "a link closed the window";
  EXPECT_FALSE(IsWindowEnabled(program.Window()));

  ClickGadgetOf(about, ABOUT_CLOSE);
  EXPECT_TRUE(WaitFor([&] { return Gone(program, ABOUT_TITLE); }, STEP_TIMEOUT));
  ExpectMainWindowBack(program);
  EXPECT_EQ(log.Addresses().size(), 2u);
}

TEST(About, OpeningTwiceShowsTheSameContent) {
  Program program;
  ASSERT_TRUE(program.Start());
  std::vector<std::string> seen[2];
  for (auto& texts : seen) {
    ASSERT_TRUE(program.ToFront());
    program.Key('A', input::CONTROL);
    HWND about = AwaitSideWindow(program, ABOUT_TITLE);
    ASSERT_TRUE(about);
    for (int gadget = ABOUT_CLOSE; gadget <= MAIL_LINK; ++gadget) {
      texts.push_back(TextOf(about, gadget));
    }
    RECT banner = {};
    GetWindowRect(GetDlgItem(about, 11), &banner);
    texts.push_back(std::to_string(banner.right - banner.left) + "x" +
                    std::to_string(banner.bottom - banner.top));
    program.Key(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Gone(program, ABOUT_TITLE); }, STEP_TIMEOUT));
  }
  EXPECT_EQ(seen[0], seen[1]);
  EXPECT_EQ(seen[0].back(), "336x80") << "the banner picture";
}

HWND OpenDonation(const Program& program, bool byKey) {
  program.ToFront();
  if (byKey) {
    program.Key('D', input::CONTROL);
  } else {
    program.ClickGadget(DONATE);
  }
  return AwaitSideWindow(program, DONATION_TITLE);
}

TEST(Donation, TheBoxKeepsTheDonatedFlag) {
  struct Case {
    const char* name;
    int32_t stored;
    int clicks;
    int32_t saved;
    bool byKey;
  };
  const Case cases[] = {
      {"flag 0, one click", 0, 1, 1, false},
      {"flag 0, two clicks", 0, 2, 0, true},
      {"flag 5, one click", 5, 1, 1, false},
      {"flag 1, one click", 1, 1, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program program;
    ASSERT_TRUE(program.Start(SettingsBytes(c.stored, 1)));
    HWND dialog = OpenDonation(program, c.byKey);
    ASSERT_TRUE(dialog) << "no window \"" << DONATION_TITLE << "\"";
    EXPECT_FALSE(IsWindowEnabled(program.Window()));
    EXPECT_EQ(TextOf(dialog, DONATED_BOX), "Yes, I have donated");
    EXPECT_EQ(TextOf(dialog, DONATION_OK), "&OK - I understand");
    EXPECT_EQ(TextOf(dialog, WILL_DONATE), "I &will donate");
    EXPECT_EQ(CheckOf(dialog, DONATED_BOX), c.stored == 1 ? 1 : 0);
    if (c.stored == 0 && !c.byKey) SaveScreenshot("donation-dialog");
    for (int click = 1; click <= c.clicks; ++click) {
      ClickGadgetOf(dialog, DONATED_BOX);
      const int ticked = (c.stored == 1) != (click % 2 == 1) ? 1 : 0;
      EXPECT_TRUE(WaitFor([&] { return CheckOf(dialog, DONATED_BOX) == ticked; }, STEP_TIMEOUT))
          << "after click " << click;
      input::AwaitDoubleClickTime();
    }
    ClickGadgetOf(dialog, DONATION_OK);
    EXPECT_TRUE(WaitFor([&] { return Gone(program, DONATION_TITLE); }, STEP_TIMEOUT));
    ExpectMainWindowBack(program);
    ASSERT_EQ(Quit(program), 0u);
    const std::optional<Bytes> settings = program.Settings();
    ASSERT_TRUE(settings);
    ASSERT_GE(settings->size(), 4u);
    const Bytes saved = SettingsBytes(c.saved, 1);
    EXPECT_EQ(Bytes(settings->begin(), settings->begin() + 4), Bytes(saved.begin(), saved.begin() + 4));
  }
}

TEST(Donation, KeysCloseItOrOpenTheDonationPage) {
  ShellLog log;
  ASSERT_TRUE(log.Ready());
  const Way closings[] = {
      {"Return", [](HWND) { input::KeyPress(VK_RETURN); }},
      {"Escape", [](HWND) { input::KeyPress(VK_ESCAPE); }},
      {"Ctrl+O", [](HWND) { input::KeyPress('O', input::CONTROL); }},
  };
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1)));
  for (const Way& closing : closings) {
    SCOPED_TRACE(closing.name);
    HWND dialog = OpenDonation(program, true);
    ASSERT_TRUE(dialog);
    closing.act(dialog);
    EXPECT_TRUE(WaitFor([&] { return Gone(program, DONATION_TITLE); }, STEP_TIMEOUT));
    ExpectMainWindowBack(program);
  }

  HWND dialog = OpenDonation(program, false);
  ASSERT_TRUE(dialog) << "the click on \"&Donate\" opened nothing; main window "
                      << (IsWindowEnabled(program.Window()) ? "enabled" : "disabled") << ", "
                      << (GetForegroundWindow() == program.Window() ? "active" : "not active")
                      << ", " << VisibleWindows(program.ProcessId()).size() << " windows shown";
  program.Key('W', input::CONTROL);
  ASSERT_TRUE(log.AwaitCount(1, STEP_TIMEOUT)) << "nothing reached the shell";
  ClickGadgetOf(dialog, WILL_DONATE);
  ASSERT_TRUE(log.AwaitCount(2, STEP_TIMEOUT));
  EXPECT_EQ(log.Addresses(), std::vector<std::string>(2, DONATION_PAGE));
  Sleep(300);
  EXPECT_EQ(FindSideWindow(program, DONATION_TITLE), dialog) << "the page closed the dialog";
  EXPECT_EQ(CheckOf(dialog, DONATED_BOX), 0);
  program.Key(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return Gone(program, DONATION_TITLE); }, STEP_TIMEOUT));
  ExpectMainWindowBack(program);
  // The main window's functions are as they were.
  EXPECT_TRUE(program.TypeInCell(2, 2, "5", "5"));
  EXPECT_EQ(Quit(program), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 1));
}

// A top-level window of another program on the desktop, on a thread of its
// own that takes its messages; it counts the times it was activated.
class Bystander {
 public:
  Bystander() {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
    WaitForSingleObject(ready_, 5000);
  }
  ~Bystander() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  Bystander(const Bystander&) = delete;
  Bystander& operator=(const Bystander&) = delete;

  HWND Window() const { return window_; }
  LONG Activations() const { return activations_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE) {
      auto* self = reinterpret_cast<Bystander*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self) InterlockedIncrement(&self->activations_);
    }
    return DefWindowProcA(window, message, w, l);
  }
  static DWORD WINAPI Run(LPVOID argument) {
    auto* self = static_cast<Bystander*>(argument);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = "TesselBystander";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&windowClass);
    self->window_ = CreateWindowExA(0, windowClass.lpszClassName, "Bystander",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 600, 300, 200, nullptr,
                                    nullptr, nullptr, nullptr);
    SetWindowLongPtrA(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DestroyWindow(self->window_);
    return 0;
  }

  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  volatile LONG activations_ = 0;
};

// With another program's window on the desktop, closing a side window gives
// the foreground back to the main window, never to that other window.
TEST(SideWindows, ClosingKeepsTheProgramInFront) {
  struct Closing {
    const char* name;
    const char* title;
    WORD opener;  // with Ctrl
    std::function<void(HWND)> close;
  };
  const Closing closings[] = {
      {"About, Escape", ABOUT_TITLE, 'A', [](HWND) { input::KeyPress(VK_ESCAPE); }},
      {"About, C&lose", ABOUT_TITLE, 'A', [](HWND w) { ClickGadgetOf(w, ABOUT_CLOSE); }},
      {"donation, Return", DONATION_TITLE, 'D', [](HWND) { input::KeyPress(VK_RETURN); }},
      {"donation, OK", DONATION_TITLE, 'D', [](HWND w) { ClickGadgetOf(w, DONATION_OK); }},
  };
  Bystander bystander;
  ASSERT_TRUE(bystander.Window());
  Program program;
  ASSERT_TRUE(program.Start());
  for (const Closing& closing : closings) {
    SCOPED_TRACE(closing.name);
    ASSERT_TRUE(program.ToFront());
    program.Key(closing.opener, input::CONTROL);
    HWND side = AwaitSideWindow(program, closing.title);
    ASSERT_TRUE(side);
    const LONG before = bystander.Activations();
    closing.close(side);
    EXPECT_TRUE(WaitFor([&] { return Gone(program, closing.title); }, STEP_TIMEOUT));
    Sleep(500);  // for the activation to settle
    EXPECT_EQ(GetForegroundWindow(), program.Window());
    EXPECT_EQ(bystander.Activations(), before) << "the other window came to the front";
  }
  EXPECT_EQ(Quit(program), 0u);
}

TEST(SideWindowLeaks, FiftyOpeningsKeepTheObjectCounts) {
  constexpr int ROUNDS = 50;
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1), TESSEL_PROBE_EXE));
  auto measure = [&] {
    Sleep(300);  // let painting settle
    return std::make_pair(CountWindows(program.ProcessId()), ProbeGdiCount(program.ProcessId()));
  };
  std::pair<int, int> first;
  std::pair<int, int> last;
  for (int round = 1; round <= ROUNDS; ++round) {
    ASSERT_TRUE(SideRound(program, SideWay::SHORTCUTS)) << "round " << round;
    if (round != 1 && round != ROUNDS) continue;
    last = measure();
    if (round == 1) first = last;
    printf("after round %d: %d windows, %d GDI objects\n", round, last.first, last.second);
  }
  ASSERT_GT(first.second, 0) << "the probe did not answer";
  EXPECT_EQ(last.first, first.first);
  EXPECT_EQ(last.second, first.second);
}

}  // namespace
}  // namespace e2e
