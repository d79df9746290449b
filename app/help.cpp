// Help as the commands ask for it. The HTML help file travels inside the
// exe, so that a single downloaded file has its help; only when it cannot
// be written out, or no HTML help viewer is there, does the request go to
// the classic help file beside the program, as it always did.
#include "app/help_topics.h"
#include "runtime/help_file.h"
#include "runtime/messages.h"

namespace {

constexpr char CLASSIC_HELP_FILE[] = "tesselsudoku.hlp";
constexpr char CARRIED_HELP_RESOURCE[] = "TESSELSUDOKU_CHM";

}  // namespace

void ShowProgramHelp(const HelpTopic& topic) {
  const char* carried = HtmlHelpAvailable() ? CarriedHelpFile(CARRIED_HELP_RESOURCE) : nullptr;
  if (carried) {
    ShowHelpTopic(carried, topic.page);
    return;
  }
  ShowHelpTopic(CLASSIC_HELP_FILE, topic.keyword);
}
