// Solve for me's solving: the search of old first, unchanged, so that every
// position it finishes gives the same solution as before; the complete
// search only where it gives up.
#include "engine/solve_grid.h"

#include "engine/cell_grid.h"
#include "engine/complete_search.h"
#include "engine/elimination.h"
#include "engine/solver.h"

int32_t SolveGrid() {
  EliminateCandidates();
  if (GridFull() == 1) return 1;
  const Position deduced = GridPosition();
  trialCount = 0;
  const int32_t result = SolveFrom(0, 0);
  if (result != 2) return result;
  Position digits = deduced;
  const int32_t complete = SolveCompletely(digits);
  if (complete != 2) SetGridPosition(digits);
  return complete;
}
