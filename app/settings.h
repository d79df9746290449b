// The settings file "sudoku.syd" in the working directory: the donation
// check box and the difficulty level, two 32-bit little-endian integers.
#pragma once

#include <cstdint>

// 1 when the user ticked "Yes, I have donated".
extern int32_t donatedFlag;

// Reads donatedFlag and then difficultyLevel from a file of exactly 8
// bytes; without one (or with a file of another length) both keep their
// values. A level other than 1, 2 and 3 becomes 1.
void LoadSettings();
// Writes both as the file's 8 bytes, creating the file when it is missing
// and dropping whatever it held beyond them. Nothing happens when the file
// cannot be opened.
void SaveSettings();
