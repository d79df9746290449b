// Numbered images made from complete BMP files in the program's own data.
#pragma once

#include <windows.h>

#include <cstdint>

bool ImageLayerStart();
// Frees every image, from number 0 upwards.
void ImageLayerStop();

// The new bitmap (compatible with the display), or 0; it becomes current.
// Only BMP data is taken. Having just an address, the function bounds every
// read by the file size the header gives; data whose headers are not sound
// gives 0 and leaves the image under the number as it was.
HBITMAP ImageLoadFromMemory(int32_t number, const void* data);
// Makes the image current and returns its handle; 0 for a free number.
HBITMAP ImageUse(int32_t number);
void ImageFree(int32_t number);
int32_t ImageWidth();
int32_t ImageHeight();

// Numbers the image table holds without growing (for tests).
int32_t ImageTableCapacity();
