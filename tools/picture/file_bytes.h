// Whole files in and out of byte vectors, and PNG files into pictures.
#pragma once

#include "tools/picture/picture.h"

bool ReadFileBytes(const char* path, Bytes& bytes);
bool WriteFileBytes(const char* path, const Bytes& bytes);
// Any PNG file, as 8-bit RGBA; false (and a message on stderr) when it cannot be read.
bool ReadPng(const char* path, Picture& picture);
