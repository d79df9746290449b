// C++ source text that carries a file's bytes as a constant array.
#pragma once

#include <string>

#include "tools/picture/picture.h"

// Defines `extern const unsigned char NAME[]` with the bytes and
// `extern const size_t NAME_SIZE` with their count.
std::string EmbedSource(const Bytes& bytes, const std::string& name);
