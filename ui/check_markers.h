// Check markers: a picture of a digit, white on purple, laid over a cell to
// point at it. The caller frees a marker with GadgetFree(markerNumber).
#pragma once

#include <cstdint>

// The marker of the cell whose gadget is g is g + 135: 166 for row 0,
// column 0, up to 246 for row 8, column 8. It numbers both the picture
// gadget and its image.
inline constexpr int32_t FIRST_MARKER = 166;
inline constexpr int32_t LAST_MARKER = 246;

// Lays the picture of `digit` (1 to 9) over the marker's cell in window 19,
// drawn at once and disabled so that it takes no mouse input. Any other
// digit, or a picture that cannot be made, gives no marker.
void ShowCheckMarker(int32_t markerNumber, int32_t digit);
