// The skin block: run height, packed flag, picture size, packed size, the
// signature line, the packed picture, the run table length and the runs that
// cut the window's outline.
#pragma once

#include <string>

#include "tools/picture/picture.h"

// A cut-away rectangle of one row: from left to right (excluded) at top.
struct SkinRun {
  int16_t left;
  int16_t top;
  int16_t right;
};

inline constexpr int8_t SKIN_BLOCK_RUN_HEIGHT = 1;
inline constexpr int8_t SKIN_BLOCK_PACKED_FLAG = 9;

// "left top right" per line; blank lines and lines starting with '#' are
// skipped. False on anything else.
bool SkinRunsParse(const std::string& text, std::vector<SkinRun>& runs);

// True when every run lies inside a width x height picture, is at least one
// pixel wide and overlaps no other run.
bool SkinRunsFit(const std::vector<SkinRun>& runs, int32_t width, int32_t height);

// The whole block for a bitmap file (the skin picture) and its runs.
Bytes SkinBlockBuild(const Bytes& picture, const std::vector<SkinRun>& runs);
