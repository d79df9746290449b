// The solving that Solve for me runs on the loaded grid.
#pragma once

#include <cstdint>

// Single candidates, then the 30000-try search; where that gives up, the
// complete search from the position as given and deduced (not the first
// search's tentative digits). 1: the grid holds a solution. 0: no solution
// exists; the grid holds the given and deduced digits. 2: the complete
// search reached its guard; the grid holds the first search's last path.
int32_t SolveGrid();
