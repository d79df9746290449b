// The three help topics the program opens: by keyword in the classic help
// file, by page in the HTML help file the exe carries.
#pragma once

struct HelpTopic {
  const char* keyword;
  const char* page;
};

inline constexpr HelpTopic HELP_PROGRAM_COMMANDS = {"Program commands", "commands.html"};
inline constexpr HelpTopic HELP_RULES = {"Rules of sudoku", "rules.html"};
inline constexpr HelpTopic HELP_HISTORY = {"History", "history.html"};
inline constexpr HelpTopic HELP_TOPICS[] = {HELP_PROGRAM_COMMANDS, HELP_RULES, HELP_HISTORY};

// Opens the help at `topic`: the carried HTML help file when it can be
// written and a viewer for it is there, else the classic help file.
void ShowProgramHelp(const HelpTopic& topic);
