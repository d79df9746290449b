// The help topics: each way of asking for help opens the help file at its
// topic. The probe build records what reaches the help viewer.
#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

namespace e2e {
namespace {

TEST(Help, EveryWayOpensItsTopic) {
  struct Way {
    const char* name;
    std::function<void(Program&)> ask;
    const char* topic;
  };
  auto click = [](int gadget) { return [gadget](Program& p) { p.ClickGadget(gadget); }; };
  auto key = [](WORD key, uint32_t modifiers) {
    return [=](Program&) { input::KeyPress(key, modifiers); };
  };
  const Way ways[] = {
      {"Help button", click(HELP), "Program commands"},
      {"F1", key(VK_F1, input::NONE), "Program commands"},
      {"Ctrl+H", key('H', input::CONTROL), "Program commands"},
      {"Sudoku rules button", click(RULES), "Rules of sudoku"},
      {"Ctrl+K", key('K', input::CONTROL), "Rules of sudoku"},
      {"portrait", click(PORTRAIT), "History"},
      {"portrait caption", click(PORTRAIT_CAPTION), "History"},
  };
  Program program;
  ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE));
  std::string expected;
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    ASSERT_TRUE(program.AwaitInput(STEP_TIMEOUT));
    way.ask(program);
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
