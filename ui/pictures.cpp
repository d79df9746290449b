// The table of the nine check-marker pictures, digit 1 first.
#include "ui/pictures.h"

extern const unsigned char PICTURE_DIGIT_1[], PICTURE_DIGIT_2[], PICTURE_DIGIT_3[],
    PICTURE_DIGIT_4[], PICTURE_DIGIT_5[], PICTURE_DIGIT_6[], PICTURE_DIGIT_7[],
    PICTURE_DIGIT_8[], PICTURE_DIGIT_9[];

// Only the arrays' addresses: the table is initialised before any code runs.
// NOLINTNEXTLINE(cppcoreguidelines-interfaces-global-init)
const unsigned char* const PICTURE_DIGIT_MARKERS[DIGIT_MARKER_COUNT] = {
    PICTURE_DIGIT_1, PICTURE_DIGIT_2, PICTURE_DIGIT_3, PICTURE_DIGIT_4, PICTURE_DIGIT_5,
    PICTURE_DIGIT_6, PICTURE_DIGIT_7, PICTURE_DIGIT_8, PICTURE_DIGIT_9,
};
