// The cell grid and its peer-digit test.
#include "engine/cell_grid.h"

#include <array>

Array2D<CellRecord> CellGrid;

namespace {

struct PeerCell {
  uint8_t row;
  uint8_t column;
};

using PeerList = std::array<PeerCell, 20>;

// The 20 peers of a cell in the order their digits are reported: the row,
// then the column, then the box cells that share neither.
constexpr PeerList PeersOf(int r, int c) {
  PeerList peers{};
  int n = 0;
  auto add = [&](int row, int column) {
    peers[n++] = {static_cast<uint8_t>(row), static_cast<uint8_t>(column)};
  };
  for (int k = 0; k < 9; ++k) {
    if (k != c) add(r, k);
  }
  for (int k = 0; k < 9; ++k) {
    if (k != r) add(k, c);
  }
  for (int k = r / 3 * 3; k < r / 3 * 3 + 3; ++k) {
    for (int m = c / 3 * 3; m < c / 3 * 3 + 3; ++m) {
      if (k != r && m != c) add(k, m);
    }
  }
  return peers;
}

constexpr std::array<PeerList, 81> PEERS = [] {
  std::array<PeerList, 81> table{};
  for (int i = 0; i < 81; ++i) table[i] = PeersOf(i / 9, i % 9);
  return table;
}();

}  // namespace

bool CellGridCreate() {
  CellGrid.Dim(GRID_DIMENSION, GRID_DIMENSION);
  return CellGrid.Data() != nullptr;
}

void CellGridRelease() { CellGrid.Release(); }

void ResetCells() {
  for (int32_t r = 0; r < 9; ++r) {
    for (int32_t c = 0; c < 9; ++c) {
      Cell(r, c).value = 0;
      StrSet(Cell(r, c).candidates, "123456789");
    }
  }
}

int32_t GridFull() {
  int32_t full = 1;
  for (int32_t r = 0; r < 9; ++r) {
    for (int32_t c = 0; c < 9; ++c) {
      if (Cell(r, c).value == 0) full = 0;
    }
  }
  return full;
}

const char* PeerDigits(int8_t r, int8_t c) {
  // At most 20 peers of up to four characters ("-128") and the terminator.
  char* const text = TempReserve(20 * 4 + 1);
  char* out = text;
  for (const PeerCell& peer : PEERS[r * 9 + c]) {
    int8_t value = Cell(peer.row, peer.column).value;
    if (value == 0) continue;
    if (value > 0 && value <= 9) {
      *out++ = static_cast<char>('0' + value);
    } else {
      out = StrWriteInt(out, value);
    }
  }
  return TempKeep(text, out);
}

bool CellConflicts(int8_t r, int8_t c) {
  int8_t value = Cell(r, c).value;
  if (value == 0) return false;
  TempScope scope;
  return StrFind(PeerDigits(r, c), StrFromInt(value), 1) > 0;
}

Position GridPosition() {
  Position digits{};
  for (int i = 0; i < 81; ++i) digits[i] = Cell(i / 9, i % 9).value;
  return digits;
}

void SetGridPosition(const Position& digits) {
  for (int i = 0; i < 81; ++i) Cell(i / 9, i % 9).value = digits[i];
}
