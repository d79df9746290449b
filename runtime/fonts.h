// Numbered fonts made from a face name, a size in points and style flags.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr uint32_t FONT_UNDERLINE = 0x4;
inline constexpr uint32_t FONT_STRIKEOUT = 0x8;
inline constexpr uint32_t FONT_HIGH_QUALITY = 0x10;
inline constexpr uint32_t FONT_BOLD = 0x100;
inline constexpr uint32_t FONT_ITALIC = 0x200;

bool FontLayerStart();
// Deletes every font, from the highest number down.
void FontLayerStop();

HFONT FontLoad(int32_t number, const char* face, int32_t size, uint32_t flags = 0);
void FontFree(int32_t number);

// Numbers the font table holds without growing (for tests).
int32_t FontTableCapacity();
