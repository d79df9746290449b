// The search that always ends with an answer: it completes a position or
// proves that none exists. Solve for me runs it where the 30000-try search
// gives up.
#pragma once

#include <cstdint>

#include "engine/cell_grid.h"

// Far beyond what a 9 x 9 position needs: the stress sets of
// benchmarks/search_stress.cpp take at most a few thousand placements.
inline constexpr int32_t COMPLETE_SEARCH_GUARD = 10000000;

// The placements the last search tried, forced ones included.
extern int32_t completeSearchSteps;
// The guard in force; a test build lowers it so that it is reached.
extern int32_t completeSearchGuard;

// Completes `digits`: 1 completed; 0 no completion exists (also when given
// digits repeat or are no digits); 2 the guard was reached. On 0 and 2
// `digits` is left as it was given.
int32_t SolveCompletely(Position& digits);
// How many completions `given` has, counted up to `limit`; -1 when the
// guard was reached first.
int32_t CountCompletions(const Position& given, int32_t limit);
