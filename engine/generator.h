// The random starting position at the chosen difficulty level.
#pragma once

#include <cstdint>

// 1 easy, 2 intermediate, 3 hard; loaded from the settings at start-up and
// kept in step with the slider.
extern int32_t difficultyLevel;
// Random placements after the first one; set from the level on each run and
// kept otherwise (0 at start-up).
extern int32_t extraAttempts;

// Resets the grid and drops 1 + extraAttempts random digits into random
// cells, emptying every cell whose digit sees an equal one. Draws exactly
// 2 + 2 * extraAttempts numbers.
void GeneratePosition();

// a - (a div b) * b, the division truncated toward zero.
int32_t RemainderOf(int32_t a, int32_t b);
