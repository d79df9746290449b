// The search that always ends with an answer: it completes a position or
// proves that none exists. Solve for me runs it where the 30000-try search
// gives up.
#pragma once

#include <cstdint>

#include "engine/cell_grid.h"

// Far beyond what a 9 x 9 position needs (the hardest published ones take a
// few hundred placements); only a fault in the search could reach it.
inline constexpr int32_t COMPLETE_SEARCH_GUARD = 10000000;

// The placements the last SolveCompletely tried.
extern int32_t completeSearchSteps;

// Completes `digits`: 1 completed; 0 no completion exists (also when given
// digits repeat); 2 the guard was reached. On 0 and 2 `digits` is left as
// it was given.
int32_t SolveCompletely(Position& digits);
