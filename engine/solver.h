// The depth-first solver with its limit of tries.
#pragma once

#include <cstdint>

inline constexpr int32_t trialLimit = 30000;

// Completed tries; the caller sets it to 0 before a search.
extern int32_t trialCount;

// Completes the grid from (r, c) on in row order, trying each empty cell's
// candidates in ascending order. 1: filled to (8, 8). 0: no completion, every
// tried cell empty again. 2: the limit was reached by a try that did not
// complete the grid, the current path stays.
int32_t SolveFrom(int8_t r, int8_t c);
