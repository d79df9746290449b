// The help topics: each way of asking for help opens the help file at its
// topic. The probe build records what reaches the help viewer.
#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

namespace e2e {
namespace {

TEST(Help, EveryWayOpensItsTopic) {
  // A click on a gadget, or a key with its modifiers.
  const struct Way {
    const char* name;
    int gadget;
    WORD key;
    uint32_t modifiers;
    const char* topic;
  } ways[] = {
      {"Help button", HELP, 0, 0, "Program commands"},
      {"F1", 0, VK_F1, input::NONE, "Program commands"},
      {"Ctrl+H", 0, 'H', input::CONTROL, "Program commands"},
      {"Sudoku rules button", RULES, 0, 0, "Rules of sudoku"},
      {"Ctrl+K", 0, 'K', input::CONTROL, "Rules of sudoku"},
      {"portrait", PORTRAIT, 0, 0, "History"},
      {"portrait caption", PORTRAIT_CAPTION, 0, 0, "History"},
  };
  Program program;
  ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE));
  std::string expected;
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
    way.gadget ? program.ClickGadget(way.gadget) : input::KeyPress(way.key, way.modifiers);
    expected += std::string("help|tesselsudoku.hlp|") + way.topic + "\n";  // one request more
    EXPECT_TRUE(WaitFor([&] { return ProbeAsk(program.ProcessId(), PROBE_LOG) == expected; },
                        STEP_TIMEOUT))
        << ProbeAsk(program.ProcessId(), PROBE_LOG);
  }
  EXPECT_TRUE(program.TypeInCell(4, 4, "6", "6")) << "the program no longer responds";
  EXPECT_EQ(Quit(program), 0u);
}

}  // namespace
}  // namespace e2e
