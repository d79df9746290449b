// The complete search. Each empty cell's candidates and each unit's digits
// are bit sets. Before every choice the position is narrowed as far as
// these deductions go: a cell with one candidate takes it, a digit with one
// place in a row, column or box goes there, a digit that a box keeps to one
// of its lines (or a line to one of its boxes) leaves the rest of the other,
// and every unit must still be able to give its empty cells digits of their
// own. A cell without candidates, a digit without a place, or a unit whose
// cells cannot all get a digit ends the branch at once, wherever the search
// stands. Then it takes a binary choice: a digit in a cell with two
// candidates (the one whose digits most of its peers share), else a digit
// with two places in a unit, else a digit of the cell with the fewest.
// Either the digit goes there or it cannot, and that is narrowed in turn.
// Nothing is allocated; the recursion is at most 81 deep.
#include "engine/complete_search.h"

#include <bit>

int32_t completeSearchSteps;
int32_t completeSearchGuard = COMPLETE_SEARCH_GUARD;

namespace {

using Mask = uint16_t;  // bit d - 1 stands for digit d
constexpr Mask ALL_DIGITS = 0x1FF;

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

// Where a line crosses a box: three cells. Segments 0 to 26 are the rows'
// (row r in box column s is 3r + s), 27 to 53 the columns' (column c in box
// row b is 27 + 3c + b). Each knows the other two segments of its line, and
// the other two of its box that run the same way.
struct Segment {
  std::array<uint8_t, 3> cells;
  std::array<uint8_t, 2> line, box;
};
constexpr int SEGMENT_COUNT = 54;
constexpr std::array<Segment, SEGMENT_COUNT> SEGMENTS = [] {
  std::array<Segment, SEGMENT_COUNT> segments{};
  for (int line = 0; line < 9; ++line) {
    for (int part = 0; part < 3; ++part) {
      Segment& row = segments[line * 3 + part];
      Segment& column = segments[27 + line * 3 + part];
      for (int j = 0; j < 3; ++j) {
        row.cells[j] = static_cast<uint8_t>(line * 9 + part * 3 + j);
        column.cells[j] = static_cast<uint8_t>((part * 3 + j) * 9 + line);
      }
      for (int k = 1; k < 3; ++k) {
        const int otherPart = (part + k) % 3;
        const int otherLine = line / 3 * 3 + (line % 3 + k) % 3;
        row.line[k - 1] = static_cast<uint8_t>(line * 3 + otherPart);
        row.box[k - 1] = static_cast<uint8_t>(otherLine * 3 + part);
        column.line[k - 1] = static_cast<uint8_t>(27 + line * 3 + otherPart);
        column.box[k - 1] = static_cast<uint8_t>(27 + otherLine * 3 + part);
      }
    }
  }
  return segments;
}();

// How many digits each mask holds: a table, as the baseline x86-64 target
// has no population-count instruction.
constexpr std::array<uint8_t, ALL_DIGITS + 1> DIGIT_COUNT = [] {
  std::array<uint8_t, ALL_DIGITS + 1> counts{};
  for (unsigned mask = 0; mask <= ALL_DIGITS; ++mask) {
    counts[mask] = static_cast<uint8_t>(std::popcount(mask));
  }
  return counts;
}();

constexpr Mask Lowest(Mask digits) { return static_cast<Mask>(digits & -digits); }
constexpr Mask WithoutLowest(Mask digits) { return static_cast<Mask>(digits & (digits - 1)); }

struct Board {
  Position digits{};
  std::array<Mask, 81> free{};  // each empty cell's candidates; 0 for a filled one
  std::array<Mask, 27> used{};  // the digits each unit holds: rows, columns, boxes
};

// Where a step leaves the search: the branch is still open, it is dead,
// every cell is filled, or the guard was reached.
enum class Outcome { OPEN, DEAD, SOLVED, GUARD };

bool Empty(const Board& board, int cell) { return board.digits[cell] == 0; }
bool Stuck(const Board& board, int cell) { return board.free[cell] == 0 && Empty(board, cell); }

// Puts `digit` into `cell` and strikes it from the peers' candidates.
void Fill(Board& board, int cell, Mask digit) {
  board.digits[cell] = static_cast<int8_t>(std::countr_zero(digit) + 1);
  board.free[cell] = 0;
  const CellUnits& units = UNITS_OF[cell];
  board.used[units.row] |= digit;
  board.used[units.column] |= digit;
  board.used[units.box] |= digit;
  for (const uint8_t peer : PEERS[cell]) board.free[peer] &= static_cast<Mask>(~digit);
}

// A placement of the search, counted against the guard; dead when it leaves
// a peer without candidates.
Outcome Place(Board& board, int cell, Mask digit) {
  if (++completeSearchSteps >= completeSearchGuard) return Outcome::GUARD;
  Fill(board, cell, digit);
  for (const uint8_t peer : PEERS[cell]) {
    if (Stuck(board, peer)) return Outcome::DEAD;
  }
  return Outcome::OPEN;
}

Outcome NakedSingles(Board& board, bool& progress) {
  for (int cell = 0; cell < 81; ++cell) {
    if (!Empty(board, cell)) continue;
    const Mask digits = board.free[cell];
    if (digits == 0) return Outcome::DEAD;
    if (WithoutLowest(digits) != 0) continue;
    const Outcome placed = Place(board, cell, digits);
    if (placed != Outcome::OPEN) return placed;
    progress = true;
  }
  return Outcome::OPEN;
}

Outcome HiddenSingles(Board& board, bool& progress) {
  for (int u = 0; u < 27; ++u) {
    if (board.used[u] == ALL_DIGITS) continue;
    Mask once = 0;  // the digits with a place in the unit, and with two
    Mask twice = 0;
    for (const uint8_t cell : UNITS[u]) {
      twice |= static_cast<Mask>(once & board.free[cell]);
      once |= board.free[cell];
    }
    const auto missing = static_cast<Mask>(ALL_DIGITS & ~board.used[u]);
    if (missing & ~once) return Outcome::DEAD;
    const auto singles = static_cast<Mask>(missing & ~twice);
    for (Mask rest = singles; rest != 0; rest = WithoutLowest(rest)) {
      const Mask digit = Lowest(rest);
      for (const uint8_t cell : UNITS[u]) {
        if (!(board.free[cell] & digit)) continue;
        // Two digits whose only place is this one cell.
        if (board.free[cell] & singles & ~digit) return Outcome::DEAD;
        const Outcome placed = Place(board, cell, digit);
        if (placed != Outcome::OPEN) return placed;
        progress = true;
        break;
      }
    }
  }
  return Outcome::OPEN;
}

// Takes `digits` from the candidates of a segment's cells; dead when one is
// left without any.
Outcome Strike(Board& board, const Segment& segment, Mask digits) {
  for (const uint8_t cell : segment.cells) {
    board.free[cell] &= static_cast<Mask>(~digits);
    if (Stuck(board, cell)) return Outcome::DEAD;
  }
  return Outcome::OPEN;
}

Outcome LockedCandidates(Board& board, bool& progress) {
  // The candidates of each segment's cells as the pass began: a digit struck
  // meanwhile can only make a later segment keep what it could have struck,
  // which the next pass then strikes.
  std::array<Mask, SEGMENT_COUNT> held{};
  for (int s = 0; s < SEGMENT_COUNT; ++s) {
    for (const uint8_t cell : SEGMENTS[s].cells) held[s] |= board.free[cell];
  }
  for (int s = 0; s < SEGMENT_COUNT; ++s) {
    const Segment& segment = SEGMENTS[s];
    const auto line = static_cast<Mask>(held[segment.line[0]] | held[segment.line[1]]);
    const auto box = static_cast<Mask>(held[segment.box[0]] | held[segment.box[1]]);
    // Kept to this segment by its box, a digit leaves the rest of its line;
    // kept to it by its line, the rest of its box.
    const auto pointing = static_cast<Mask>(held[s] & ~box & line);
    const auto claiming = static_cast<Mask>(held[s] & ~line & box);
    if ((pointing | claiming) == 0) continue;
    progress = true;
    for (int k = 0; k < 2; ++k) {
      if (Strike(board, SEGMENTS[segment.line[k]], pointing) == Outcome::DEAD ||
          Strike(board, SEGMENTS[segment.box[k]], claiming) == Outcome::DEAD) {
        return Outcome::DEAD;
      }
    }
  }
  return Outcome::OPEN;
}

// The digits given to a unit's empty cells while they are matched: the
// cell each digit went to, and those taken.
struct Matching {
  std::array<Mask, 9> options{};  // the candidates of the unit's empty cells
  std::array<int8_t, 9> holder{};
  Mask taken = 0;
};

// Gives empty cell `k` a digit by moving the cell that holds one of its
// candidates on to another digit, as far as need be (an augmenting path).
bool Reassign(Matching& m, int k, Mask& seen) {
  for (auto rest = static_cast<Mask>(m.options[k] & ~seen); rest != 0; rest = WithoutLowest(rest)) {
    const int digit = std::countr_zero(rest);
    seen |= Lowest(rest);
    if (!(m.taken & Lowest(rest)) || Reassign(m, m.holder[digit], seen)) {
      m.holder[digit] = static_cast<int8_t>(k);
      m.taken |= Lowest(rest);
      return true;
    }
  }
  return false;
}

// Every unit can still give each of its empty cells a digit of its own.
// Fewer digits among some cells than cells (three cells that can only take
// two digits, or three digits with two places between them) is a dead end
// that singles do not see.
bool EveryUnitFillsItsCells(const Board& board) {
  for (const Unit& unit : UNITS) {
    Matching m;
    int empty = 0;
    for (const uint8_t cell : unit) {
      if (board.free[cell] != 0) m.options[empty++] = board.free[cell];
    }
    if (empty < 3) continue;  // singles see every such dead end of two cells
    for (int k = 0; k < empty; ++k) {
      const auto open = static_cast<Mask>(m.options[k] & ~m.taken);
      Mask seen = 0;
      if (open != 0) {
        m.holder[std::countr_zero(open)] = static_cast<int8_t>(k);
        m.taken |= Lowest(open);
      } else if (!Reassign(m, k, seen)) {
        return false;
      }
    }
  }
  return true;
}

// Narrows the position until no deduction changes it.
Outcome Narrow(Board& board) {
  for (;;) {
    bool progress = false;
    Outcome outcome = NakedSingles(board, progress);
    if (outcome == Outcome::OPEN && !progress) outcome = HiddenSingles(board, progress);
    if (outcome == Outcome::OPEN && !progress) outcome = LockedCandidates(board, progress);
    if (outcome != Outcome::OPEN) return outcome;
    if (!progress) return EveryUnitFillsItsCells(board) ? Outcome::OPEN : Outcome::DEAD;
  }
}

struct Choice {
  int cell = -1;  // -1: every cell is filled
  Mask digit = 0;
};

// How many of the cell's peers share one of its candidates.
int Reach(const Board& board, int cell) {
  int reach = 0;
  for (const uint8_t peer : PEERS[cell]) reach += (board.free[peer] & board.free[cell]) != 0;
  return reach;
}

// A digit with two places in a unit, at its first place; none without one.
Choice TwoPlaces(const Board& board) {
  for (const Unit& unit : UNITS) {
    Mask once = 0;
    Mask twice = 0;
    Mask thrice = 0;
    for (const uint8_t cell : unit) {
      thrice |= static_cast<Mask>(twice & board.free[cell]);
      twice |= static_cast<Mask>(once & board.free[cell]);
      once |= board.free[cell];
    }
    const auto two = static_cast<Mask>(twice & ~thrice);
    if (two == 0) continue;
    for (const uint8_t cell : unit) {
      if (board.free[cell] & Lowest(two)) return {cell, Lowest(two)};
    }
  }
  return {};
}

// The binary choice that reaches furthest, else the fewest ways on.
Choice Branch(const Board& board) {
  Choice best;
  int fewest = 10;
  int most = -1;
  for (int cell = 0; cell < 81; ++cell) {
    const int count = DIGIT_COUNT[board.free[cell]];
    if (count == 0 || count > fewest) continue;
    const int reach = count == 2 ? Reach(board, cell) : 0;
    if (count == fewest && reach <= most) continue;
    best = {cell, Lowest(board.free[cell])};
    fewest = count;
    most = reach;
  }
  if (fewest <= 2 || best.cell < 0) return best;
  const Choice pair = TwoPlaces(board);
  return pair.cell < 0 ? best : pair;
}

struct Count {
  int32_t limit = 1;
  int32_t found = 0;
};

Outcome Search(Board& board, Count& count) {
  for (;;) {
    const Outcome narrowed = Narrow(board);
    if (narrowed != Outcome::OPEN) return narrowed;
    const Choice choice = Branch(board);
    if (choice.cell < 0) return ++count.found < count.limit ? Outcome::DEAD : Outcome::SOLVED;
    Board trial = board;
    Outcome tried = Place(trial, choice.cell, choice.digit);
    if (tried == Outcome::OPEN) tried = Search(trial, count);
    if (tried == Outcome::SOLVED) board = trial;
    if (tried == Outcome::SOLVED || tried == Outcome::GUARD) return tried;
    board.free[choice.cell] &= static_cast<Mask>(~choice.digit);  // it cannot go there
  }
}

// The board of the given digits; false when one is no digit or repeats.
bool Give(Board& board, const Position& given) {
  board.free.fill(ALL_DIGITS);
  for (int cell = 0; cell < 81; ++cell) {
    const int8_t digit = given[cell];
    if (digit == 0) continue;
    if (digit < 0 || digit > 9 || !(board.free[cell] & (1 << (digit - 1)))) return false;
    Fill(board, cell, static_cast<Mask>(1 << (digit - 1)));
  }
  return true;
}

Outcome Solve(Board& board, const Position& given, Count& count) {
  completeSearchSteps = 0;
  if (!Give(board, given)) return Outcome::DEAD;
  return Search(board, count);
}

}  // namespace

int32_t SolveCompletely(Position& digits) {
  Board board;
  Count count;
  const Outcome outcome = Solve(board, digits, count);
  if (outcome == Outcome::SOLVED) digits = board.digits;
  return outcome == Outcome::SOLVED ? 1 : outcome == Outcome::GUARD ? 2 : 0;
}

int32_t CountCompletions(const Position& given, int32_t limit) {
  Board board;
  Count count{limit};
  return Solve(board, given, count) == Outcome::GUARD ? -1 : count.found;
}
