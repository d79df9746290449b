// Positions the complete search is measured and tested on: published hard
// puzzles, each with exactly one solution, and impossible positions whose
// givens do not repeat and that single candidates do not expose. Rows
// joined, '0' or '.' for an empty cell. The placements the search tries are
// known values, like the tries of the 30000-try search: they change with
// every change to the order in which it chooses.
#pragma once

struct NamedPosition {
  const char* name;
  const char* cells;
  int steps;  // the placements the complete search tries on it
};

inline constexpr NamedPosition HARD_PUZZLES[] = {
    {"Everest (Inkala 2012)",
     "800000000003600000070090200050007000000045700000100030001000068008500010090000400", 2080},
    {"17 clues (a)",
     "000000010400000000020000000000050407008000300001090000300400200050100000000806000", 64},
    {"Platinum Blonde",
     "000000012000000003002300400001800005060070800000009000008500000900040500470006000", 307},
    {"Golden Nugget",
     "000000039000001005003050800008090006070002000100400000009080050020000600400700000", 4003},
    {"Easter Monster",
     "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1", 2243},
    {"AI Escargot",
     "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..", 173},
    {"Red Dwarf",
     "12.3....435....1....4........54..2..6...7.........8.9...31..5.......9.7.....6...8", 997},
    {"Cheese",
     ".2..5.7..4..1....68....3...2....8..3.4..2.5.....6...1...2.9.....9......57.4...9..", 2694},
    {"Fata Morgana",
     "........3..1..56...9..4..7......9.5.7.......8.5.4.2....8..2..9...35..1..6........", 10270},
    {"worst case for row-order backtracking (a)",
     "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9", 64},
    {"worst case for row-order backtracking (b)",
     "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......", 127},
    {"17 clues (b)",
     ".......12....35......6...7.7.....3.....4..8..1...........12.....8.....4..5....6..", 64},
    {"rated hardest by search nodes (a)",
     "....9..5..1.....3...23..7....45...7.8.....2.......64...9..1.....8..6......54....7", 7223},
    {"rated hardest by search nodes (b)",
     "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3", 11178},
    {"rated hardest by search nodes (c)",
     "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........", 1137},
    {"rated hardest by logic (a)",
     "12.3.....4.....3....3.5......42..5......8...9.6...5.7...15..2......9..6......7..8", 3129},
    {"rated hardest by logic (b)",
     "..3..6.8....1..2......7...4..9..8.6..3..4...1.7.2.....3....5.....5...6..98.....5.", 2009},
    {"rated hardest by logic (c)",
     "1.......9..67...2..8....4......75.3...5..2....6.3......9....8..6...4...1..25...6.", 555},
    {"rated hardest by logic (d)",
     "..9...4...7.3...2.8...6...71..8....6....1..7.....56...3....5..1.4.....9...2...7..", 5335},
};

inline constexpr NamedPosition IMPOSSIBLE_POSITIONS[] = {
    // (8, 8) sees every digit, but only once the search gets there.
    {"row 8 holding 1 to 8, a 9 at the top right",
     "........9...............................................................12345678.", 0},
    // Row 0 has no place left for a 1.
    {"no place for a 1 in row 0",
     "23..........1...........1......................1.................................", 0},
    // The one solution has a 7 at (0, 1).
    {"Easter Monster with a 4 at (0, 1)",
     "140000002090400050006000700050903000000070000000850040700000600030009080002000001", 2166},
};
