// The help: each way of asking for it opens the HTML help file the program
// carries, written to the program's temporary folder, at the topic's page;
// when that file cannot be written, or there is no HTML help viewer, the
// request goes to the classic help file at the topic's keyword. The probe
// build records what reaches either viewer; the last test uses the real one.
#include <filesystem>
#include <set>
#include <tuple>

#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

#include <commctrl.h>  // after <windows.h>, which the driver brings

namespace e2e {
namespace {

using Names = std::set<std::string>;

// Each way: its name, a click on a gadget or else a key with its modifiers,
// and the topic's keyword and page.
constexpr std::tuple<const char*, int, WORD, uint32_t, const char*, const char*> WAYS[] = {
    {"Help button", HELP, 0, 0, "Program commands", "commands.html"},
    {"F1", 0, VK_F1, input::NONE, "Program commands", "commands.html"},
    {"Ctrl+H", 0, 'H', input::CONTROL, "Program commands", "commands.html"},
    {"Sudoku rules button", RULES, 0, 0, "Rules of sudoku", "rules.html"},
    {"Ctrl+K", 0, 'K', input::CONTROL, "Rules of sudoku", "rules.html"},
    {"portrait", PORTRAIT, 0, 0, "History", "history.html"},
    {"portrait caption", PORTRAIT_CAPTION, 0, 0, "History", "history.html"},
};

Names FilesIn(const std::string& folder) {
  Names names;
  std::error_code error;  // none for a folder that is gone
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(Help, EveryWayReachesItsPageOrElseItsKeyword) {
  const std::string folder = NewFolder("tessel-help-routing");
  const Bytes someoneElses = {'n', 'o', 't', ' ', 'o', 'u', 'r', 's'};
  ASSERT_TRUE(WriteBytes(folder + "\\TesselSudoku.chm", someoneElses));
  const std::string written = folder + "\\TesselSudoku-2.chm";  // the first name is taken
  // The program's temporary folder, what the probe refuses, and whether the
  // HTML help is used.
  const std::tuple<const char*, std::string, const char*, bool> cases[] = {
      {"the carried file, written", folder, nullptr, true},
      {"no temporary folder to write to", folder + "\\missing", nullptr, false},
      {"no HTML help viewer", folder, "htmlHelp", false},
  };
  for (const auto& [name, tempFolder, refused, html] : cases) {
    SCOPED_TRACE(name);
    Program program;
    program.SetTempFolder(tempFolder);
    ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE, refused));
    std::string expected;
    for (const auto& [way, gadget, key, modifiers, keyword, page] : WAYS) {
      SCOPED_TRACE(way);
      ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
      gadget ? program.ClickGadget(gadget) : input::KeyPress(key, modifiers);
      expected += html ? "html|" + written + "::/" + page + "|0\n"
                       : std::string("help|tesselsudoku.hlp|") + keyword + "\n";
      const auto logged = [&] { return ProbeAsk(program.ProcessId(), PROBE_LOG) == expected; };
      EXPECT_TRUE(WaitFor(logged, STEP_TIMEOUT)) << ProbeAsk(program.ProcessId(), PROBE_LOG);
    }
    const std::optional<Bytes> file = ReadBytes(written);  // an HTML help file begins "ITSF"
    EXPECT_EQ(file && std::string(file->begin(), file->end()).starts_with("ITSF"), html);
    EXPECT_EQ(Quit(program), 0u);
    // What the run wrote is gone with it; the other file is untouched.
    EXPECT_EQ(FilesIn(folder), Names{"TesselSudoku.chm"});
    EXPECT_EQ(ReadBytes(folder + "\\TesselSudoku.chm"), someoneElses);
  }
  std::filesystem::remove_all(folder);
}

// Clicks Help; the one help window, once it has come to the front as a new
// window does. It is moved aside, as a user would, since it can take the
// front again while it loads its page and would then cover the buttons to
// be clicked.
HWND OpenHelpWindow(const Program& program) {
  program.ClickGadget(HELP);
  std::vector<HWND> windows;
  const auto inFront = [&] {
    windows = WindowsOf(program.ProcessId(), "HH Parent");  // the viewer's main windows
    return windows.size() == 1 && GetForegroundWindow() == windows[0];
  };
  WaitFor(inFront, STEP_TIMEOUT);
  if (windows.size() != 1) return nullptr;
  SetWindowPos(windows[0], nullptr, 900, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return windows[0];
}

TEST(Help, TheViewerOpensBesideTheProgramAndGoesWithIt) {
  const std::string folder = NewFolder("tessel-help-viewer");
  const Names oneFile = {"TesselSudoku.chm"};
  // Wine's viewer opens the file once more for every topic it shows in an
  // open window and lets go of those openings only when the process ends,
  // so the first run's file can outlive it there. The second run removes
  // such a copy before it writes its own, and deletes its own when it ends.
  for (const bool first : {true, false}) {
    Program program;
    program.SetTempFolder(folder);
    ASSERT_TRUE(program.Start());
    const HWND help = OpenHelpWindow(program);
    ASSERT_TRUE(help) << "no help window";
    EXPECT_EQ(FilesIn(folder), oneFile);
    if (!first) {
      EXPECT_EQ(Quit(program), 0u);
      EXPECT_TRUE(FilesIn(folder).empty());
      continue;
    }
    EXPECT_EQ(TextOf(help, true), "Tessel SUDOKU Help");
    // Sudoku rules, the portrait and Help turn the same window to their pages.
    // Wine's viewer shows no page text without its HTML engine, so the pages
    // are read off the requests, in the test above; here the sign that the
    // window took a request is its navigation pane leaving the Index tab, as
    // it does for every topic it shows.
    const HWND tabs = FindWindowExA(FindWindowExA(help, nullptr, "HH Child", nullptr), nullptr,
                                    "SysTabControl32", nullptr);
    // The window lies behind the program each time, and comes to the front.
    for (const int gadget : {RULES, PORTRAIT, HELP}) {
      SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
      ASSERT_TRUE(program.ToFront());
      program.ClickGadget(gadget);
      EXPECT_TRUE(WaitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) != 1; },
                          STEP_TIMEOUT));
      EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == help; }, STEP_TIMEOUT))
          << "the help window stays behind";
      EXPECT_EQ(WindowsOf(program.ProcessId(), "HH Parent"), std::vector<HWND>{help});
    }
    program.Shot("help-window");
    ASSERT_TRUE(program.ToFront());
    EXPECT_TRUE(program.TypeInCell(4, 4, "6", "6")) << "no digit taken beside the help";
    // Keys reach the help window: Alt+F4 closes it and the program goes on.
    ASSERT_TRUE(MakeForeground(help));
    input::KeyPress(VK_F4, input::ALT);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }, STEP_TIMEOUT));
    ASSERT_TRUE(program.ToFront());
    const HWND again = OpenHelpWindow(program);  // a new window on the same file
    EXPECT_TRUE(again);
    EXPECT_EQ(FilesIn(folder), oneFile);
    program.ClickGadget(CLOSE);
    EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 0u);
    EXPECT_FALSE(IsWindow(again));
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace e2e
