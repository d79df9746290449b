// The complete search. Each row's, column's and box's digits are kept as bit
// sets, and so is each empty cell's set of candidates, narrowed as digits go
// in and copied back on the way out of a try. At every step it takes
// the most constrained choice: the empty cell with the fewest candidates,
// or, when fewer, a digit that has one place left in a row, column or box.
// A cell without candidates, or a digit without a place in a unit that still
// lacks it, ends the branch. Nothing is allocated; the recursion is at most
// 81 deep.
#include "engine/complete_search.h"

#include <bit>

int32_t completeSearchSteps;

namespace {

using Mask = uint16_t;  // bit d - 1 stands for digit d
constexpr Mask ALL_DIGITS = 0x1FF;
constexpr Mask FILLED = 0x200;  // a filled cell's mark in place of candidates

// The three units of each cell: its row, its column (9 on) and its box (18 on).
struct CellUnits {
  uint8_t row, column, box;
};
constexpr std::array<CellUnits, 81> UNITS_OF = [] {
  std::array<CellUnits, 81> units{};
  for (int cell = 0; cell < 81; ++cell) {
    units[cell] = {static_cast<uint8_t>(cell / 9), static_cast<uint8_t>(9 + cell % 9),
                   static_cast<uint8_t>(18 + cell / 27 * 3 + cell % 9 / 3)};
  }
  return units;
}();

// The 27 units (rows, columns, boxes), each as its nine cells.
using Unit = std::array<uint8_t, 9>;
constexpr std::array<Unit, 27> UNITS = [] {
  std::array<Unit, 27> units{};
  for (int k = 0; k < 9; ++k) {
    for (int j = 0; j < 9; ++j) {
      units[k][j] = static_cast<uint8_t>(k * 9 + j);
      units[9 + k][j] = static_cast<uint8_t>(j * 9 + k);
      units[18 + k][j] = static_cast<uint8_t>(k / 3 * 27 + k % 3 * 3 + j / 3 * 9 + j % 3);
    }
  }
  return units;
}();

// The 20 peers of each cell: the other cells of its row, column and box.
using Peers = std::array<uint8_t, 20>;
constexpr std::array<Peers, 81> PEERS = [] {
  std::array<Peers, 81> peers{};
  for (int cell = 0; cell < 81; ++cell) {
    int n = 0;
    for (int other = 0; other < 81; ++other) {
      const bool peer = UNITS_OF[other].row == UNITS_OF[cell].row ||
                        UNITS_OF[other].column == UNITS_OF[cell].column ||
                        UNITS_OF[other].box == UNITS_OF[cell].box;
      if (peer && other != cell) peers[cell][n++] = static_cast<uint8_t>(other);
    }
  }
  return peers;
}();

// How many candidates each mask holds, 10 for a filled cell, so that one
// is never the fewest: a table, as the baseline x86-64 target has no
// population-count instruction.
constexpr unsigned MASKS = 2 * FILLED;  // every candidate mask, with and without the mark
constexpr std::array<uint8_t, MASKS> DIGIT_COUNT = [] {
  std::array<uint8_t, MASKS> counts{};
  for (unsigned mask = 0; mask < MASKS; ++mask) {
    counts[mask] = static_cast<uint8_t>(mask & FILLED ? 10 : std::popcount(mask));
  }
  return counts;
}();

struct Board {
  Position& digits;
  std::array<Mask, 27> used{};  // the digits each unit holds: rows, columns, boxes
  std::array<Mask, 81> free{};  // each empty cell's candidates; FILLED for a filled one
};

Mask Candidates(const Board& board, int cell) {
  const CellUnits& units = UNITS_OF[cell];
  return ALL_DIGITS & ~(board.used[units.row] | board.used[units.column] | board.used[units.box]);
}

void Toggle(Board& board, int cell, Mask digit) {
  const CellUnits& units = UNITS_OF[cell];
  board.used[units.row] ^= digit;
  board.used[units.column] ^= digit;
  board.used[units.box] ^= digit;
}

struct Choice {
  int cell = -1;  // -1: the grid is full
  Mask digits = 0;
  int count = 10;  // 0: a dead end
};

// Puts `digit` in `cell`, striking it from the peers' candidates.
void Place(Board& board, int cell, Mask digit) {
  board.digits[cell] = static_cast<int8_t>(std::countr_zero(digit) + 1);
  Toggle(board, cell, digit);
  board.free[cell] = FILLED;
  for (const uint8_t peer : PEERS[cell]) board.free[peer] &= static_cast<Mask>(~digit);
}

// The choice with the fewest options over the empty cells and, unless a
// cell is already forced, over the places of each unit's missing digits.
Choice MostConstrained(const Board& board) {
  const std::array<Mask, 81>& free = board.free;
  Choice best;
  for (int cell = 0; cell < 81; ++cell) {
    const int count = DIGIT_COUNT[free[cell]];
    if (count < best.count) best = {cell, free[cell], count};
    if (count <= 1) return best;
  }
  if (best.cell < 0) return best;
  for (int u = 0; u < 27; ++u) {
    const auto missing = static_cast<Mask>(ALL_DIGITS & ~board.used[u]);
    if (missing == 0) continue;
    Mask once = 0;  // the digits with a place in the unit, and with two
    Mask twice = 0;
    for (const uint8_t cell : UNITS[u]) {
      twice |= static_cast<Mask>(once & free[cell]);
      once |= free[cell];
    }
    if (missing & ~once) return {UNITS[u][0], 0, 0};
    const auto single = static_cast<Mask>(missing & ~twice);
    if (single == 0) continue;
    const auto digit = static_cast<Mask>(1 << std::countr_zero(single));
    for (const uint8_t cell : UNITS[u]) {
      if (free[cell] & digit) return {cell, digit, 1};
    }
  }
  return best;
}

int32_t Search(Board& board) {
  const Choice choice = MostConstrained(board);
  if (choice.cell < 0) return 1;
  const std::array<Mask, 81> free = board.free;  // to put back after each try
  for (Mask rest = choice.digits; rest != 0; rest = static_cast<Mask>(rest & (rest - 1))) {
    if (++completeSearchSteps >= COMPLETE_SEARCH_GUARD) return 2;
    const auto digit = static_cast<Mask>(1 << std::countr_zero(rest));
    Place(board, choice.cell, digit);
    const int32_t result = Search(board);
    if (result == 1) return 1;
    Toggle(board, choice.cell, digit);
    board.digits[choice.cell] = 0;
    board.free = free;
    if (result == 2) return 2;
  }
  return 0;
}

}  // namespace

int32_t SolveCompletely(Position& digits) {
  completeSearchSteps = 0;
  Board board{digits};
  for (int cell = 0; cell < 81; ++cell) {
    const int8_t given = digits[cell];
    if (given == 0) continue;
    // A digit that is none, or one its unit already holds, leaves no completion.
    if (given < 0 || given > 9) return 0;
    const auto digit = static_cast<Mask>(1 << (given - 1));
    if (!(Candidates(board, cell) & digit)) return 0;
    Toggle(board, cell, digit);
  }
  for (int cell = 0; cell < 81; ++cell) {
    board.free[cell] = digits[cell] == 0 ? Candidates(board, cell) : FILLED;
  }
  return Search(board);
}
