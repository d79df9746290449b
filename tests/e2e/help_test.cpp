// The help: each way of asking for it opens the HTML help file the program
// carries, written to the program's temporary folder, at the topic's page;
// when that file cannot be written, or there is no HTML help viewer, the
// request goes to the classic help file at the topic's keyword. The probe
// build records what reaches either viewer; the last test uses the real one.
#include <functional>
#include <set>

#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

#include <commctrl.h>  // after <windows.h>, which the driver brings

namespace e2e {
namespace {

constexpr char HELP_CLASS[] = "HH Parent";
constexpr char HELP_TITLE[] = "Tessel SUDOKU Help";

// A click on a gadget, or a key with its modifiers.
struct Way {
  const char* name;
  int gadget;
  WORD key;
  uint32_t modifiers;
  const char* keyword;
  const char* page;
};
constexpr Way WAYS[] = {
    {"Help button", HELP, 0, 0, "Program commands", "commands.html"},
    {"F1", 0, VK_F1, input::NONE, "Program commands", "commands.html"},
    {"Ctrl+H", 0, 'H', input::CONTROL, "Program commands", "commands.html"},
    {"Sudoku rules button", RULES, 0, 0, "Rules of sudoku", "rules.html"},
    {"Ctrl+K", 0, 'K', input::CONTROL, "Rules of sudoku", "rules.html"},
    {"portrait", PORTRAIT, 0, 0, "History", "history.html"},
    {"portrait caption", PORTRAIT_CAPTION, 0, 0, "History", "history.html"},
};

// A new empty folder for the program's temporary files.
std::string FreshFolder(const char* name) {
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "tessel-help-" + name + "-" +
                             std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string FileText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  char text[16] = "";
  DWORD read = 0;
  ReadFile(file, text, sizeof text - 1, &read, nullptr);
  CloseHandle(file);
  return {text, read};
}

void Ask(const Program& program, const Way& way) {
  way.gadget ? program.ClickGadget(way.gadget) : input::KeyPress(way.key, way.modifiers);
}

// Asks for help every way in turn; after each, the probe's log has gained
// the line `line` gives for it.
void AskEveryWay(const Program& program, const std::function<std::string(const Way&)>& line) {
  std::string expected;
  for (const Way& way : WAYS) {
    SCOPED_TRACE(way.name);
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
    Ask(program, way);
    expected += line(way) + "\n";
    EXPECT_TRUE(WaitFor([&] { return ProbeAsk(program.ProcessId(), PROBE_LOG) == expected; },
                        STEP_TIMEOUT))
        << ProbeAsk(program.ProcessId(), PROBE_LOG);
  }
}

void RemoveFolder(const std::string& folder) {
  for (const std::string& name : FilesIn(folder)) DeleteFileA((folder + "\\" + name).c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(Help, EveryWayOpensItsPageOfTheCarriedFile) {
  const std::string folder = FreshFolder("pages");
  const std::string someoneElses = folder + "\\TesselSudoku.chm";
  ASSERT_TRUE(WriteBytes(someoneElses, {'n', 'o', 't', ' ', 'o', 'u', 'r', 's'}));
  {
    Program program;
    program.SetTempFolder(folder);
    ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE));
    const std::string written = folder + "\\TesselSudoku-2.chm";  // the first name is taken
    AskEveryWay(program, [&](const Way& way) { return "html|" + written + "::/" + way.page + "|0"; });
    EXPECT_EQ(FileText(written).substr(0, 4), "ITSF");
    EXPECT_TRUE(program.TypeInCell(4, 4, "6", "6")) << "the program no longer responds";
    EXPECT_EQ(Quit(program), 0u);
  }
  // The file written for the run is gone with it; the other file is untouched.
  EXPECT_EQ(FilesIn(folder), std::set<std::string>{"TesselSudoku.chm"});
  EXPECT_EQ(FileText(someoneElses), "not ours");
  RemoveFolder(folder);
}

TEST(Help, WithoutTheCarriedFileOrAViewerAsksForTheClassicFile) {
  const std::string folder = FreshFolder("classic");
  const struct {
    const char* name;
    std::string tempFolder;
    const char* refused;
  } cases[] = {
      {"no temporary folder to write to", folder + "\\missing", nullptr},
      {"no HTML help viewer", folder, "htmlHelp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program program;
    program.SetTempFolder(c.tempFolder);
    ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE, c.refused));
    AskEveryWay(program, [](const Way& way) {
      return std::string("help|tesselsudoku.hlp|") + way.keyword;
    });
    EXPECT_TRUE(FilesIn(folder).empty());
    EXPECT_EQ(Quit(program), 0u);
  }
  RemoveFolder(folder);
}

// The program's help windows (the viewer's main windows), visible or not.
std::vector<HWND> HelpWindows(DWORD process) {
  std::vector<HWND> found;
  for (HWND window : VisibleWindows(process)) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == HELP_CLASS) found.push_back(window);
  }
  return found;
}

HWND AwaitHelpWindow(const Program& program) {
  std::vector<HWND> windows;
  WaitFor([&] { return (windows = HelpWindows(program.ProcessId())).size() == 1; }, STEP_TIMEOUT);
  return windows.size() == 1 ? windows[0] : nullptr;
}

TEST(Help, TheViewerOpensBesideTheProgramAndGoesWithIt) {
  const std::string folder = FreshFolder("viewer");
  {
    Program program;
    program.SetTempFolder(folder);
    ASSERT_TRUE(program.Start());
    program.ClickGadget(HELP);
    const HWND help = AwaitHelpWindow(program);
    ASSERT_TRUE(help) << "no help window";
    EXPECT_EQ(StoredText(help), HELP_TITLE);
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"TesselSudoku.chm"});
    // Sudoku rules and the portrait turn the same window to their pages.
    // Wine's viewer shows no page text without its HTML engine, so the pages
    // are read off the requests, in the tests above; here the sign that the
    // window took a request is its navigation pane turning back from the
    // Index tab to Contents, as it does for every topic it shows.
    const HWND pane = FindWindowExA(help, nullptr, "HH Child", nullptr);
    const HWND tabs = FindWindowExA(pane, nullptr, "SysTabControl32", nullptr);
    for (const int gadget : {RULES, PORTRAIT}) {
      SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
      ASSERT_TRUE(program.ToFront());
      program.ClickGadget(gadget);
      EXPECT_TRUE(WaitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 0; },
                          STEP_TIMEOUT));
      EXPECT_EQ(HelpWindows(program.ProcessId()), std::vector<HWND>{help});
    }
    Shot(program, "help-window");
    // Beside the open help window the program still takes digits.
    ASSERT_TRUE(program.ToFront());
    EXPECT_TRUE(program.TypeInCell(4, 4, "6", "6"));
    // Keys reach the help window: Alt+F4 closes it and the program goes on.
    SetForegroundWindow(help);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == help; }, STEP_TIMEOUT));
    input::KeyPress(VK_F4, input::ALT);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(help); }, STEP_TIMEOUT));
    ASSERT_TRUE(program.ToFront());
    program.ClickGadget(HELP);  // a new window on the same file
    const HWND again = AwaitHelpWindow(program);
    EXPECT_TRUE(again);
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"TesselSudoku.chm"});
    ASSERT_TRUE(program.ToFront());
    Shot(program, "help-before-close");
    program.ClickGadget(CLOSE);
    EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 0u);
    EXPECT_FALSE(IsWindow(again));
  }
  // Wine's viewer opens the file once more for every topic it shows in an
  // open window and lets go of those openings only when the process ends,
  // so this run's file can outlive it there. The next run removes such a
  // copy before it writes its own, and deletes its own when it ends.
  {
    Program program;
    program.SetTempFolder(folder);
    ASSERT_TRUE(program.Start());
    program.ClickGadget(HELP);
    EXPECT_TRUE(AwaitHelpWindow(program));
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"TesselSudoku.chm"});
    EXPECT_EQ(Quit(program), 0u);
  }
  EXPECT_TRUE(FilesIn(folder).empty());
  RemoveFolder(folder);
}

}  // namespace
}  // namespace e2e
