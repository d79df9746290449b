// The settings file "sudoku.syd" in the working directory: the donation
// check box and the difficulty level, two 32-bit little-endian integers.
#pragma once

#include <cstdint>

// 1 when the user ticked "Yes, I have donated".
extern int32_t donatedFlag;

// Reads donatedFlag and then difficultyLevel; without a file both keep
// their values. Missing bytes read as 0.
void LoadSettings();
// Writes both over the first 8 bytes, creating the file when it is missing;
// bytes after those stay. Nothing happens when the file cannot be opened.
void SaveSettings();
