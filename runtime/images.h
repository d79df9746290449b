// Numbered images made from complete BMP files in the program's own data.
#pragma once

#include <windows.h>

#include <cstdint>

bool ImageLayerStart();
// Frees every image, from number 0 upwards.
void ImageLayerStop();

// The new bitmap (compatible with the display), or 0; it becomes current.
HBITMAP ImageLoadFromMemory(int32_t number, const void* data);
// Makes the image current and returns its handle; 0 for a free number.
HBITMAP ImageUse(int32_t number);
void ImageFree(int32_t number);
int32_t ImageWidth();
int32_t ImageHeight();
