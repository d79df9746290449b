// Reading and writing whole files; PNG through libpng's simplified interface.
#include "tools/picture/file_bytes.h"

#include <png.h>

#include <cstdio>

bool ReadFileBytes(const char* path, Bytes& bytes) {
  FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  bytes.clear();
  uint8_t buffer[65536];
  for (size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  const bool ok = !std::ferror(file);
  return std::fclose(file) == 0 && ok;
}

bool WriteFileBytes(const char* path, const Bytes& bytes) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool ReadPng(const char* path, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) {
    std::fprintf(stderr, "%s: %s\n", path, image.message);
    return false;
  }
  image.format = PNG_FORMAT_BGRA;  // as a little-endian 0xAARRGGBB word
  picture.width = static_cast<int32_t>(image.width);
  picture.height = static_cast<int32_t>(image.height);
  picture.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    std::fprintf(stderr, "%s: %s\n", path, image.message);
    png_image_free(&image);
    return false;
  }
  return true;
}
