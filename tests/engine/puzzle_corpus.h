// The positions of puzzles.txt, read once: published hard puzzles and
// impossible positions, with the placements the complete search tries on
// each. Tests check the counts first, so that a corpus that could not be
// read fails rather than passing over no position.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct NamedPosition {
  std::string name, cells;
  int steps = 0;
};

// Its path as the test program's platform takes it (CMake gives it).
inline constexpr char PUZZLE_FILE[] = TESSEL_PUZZLE_FILE;

// The positions of one kind, "hard" or "impossible", in the file's order; a
// line without all 81 cells is left out, so that the count shows it.
inline std::vector<NamedPosition> ReadPositions(const std::string& kind) {
  std::ifstream file(PUZZLE_FILE);
  std::vector<NamedPosition> found;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::string lineKind;
    NamedPosition p;
    fields >> lineKind >> p.steps >> p.cells >> std::ws;
    const bool whole = std::getline(fields, p.name) && p.cells.size() == 81;
    if (whole && lineKind == kind) found.push_back(p);
  }
  return found;
}

inline const std::vector<NamedPosition> HARD_PUZZLES = ReadPositions("hard");
inline const std::vector<NamedPosition> IMPOSSIBLE_POSITIONS = ReadPositions("impossible");
inline constexpr size_t HARD_PUZZLE_COUNT = 19;
inline constexpr size_t IMPOSSIBLE_POSITION_COUNT = 4;
