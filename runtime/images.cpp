// Numbered images: BMP files from the program's own data turned into bitmaps
// compatible with the display. Only BMP data is read; the headers are
// checked first, so bad data never reaches the platform and never costs the
// image already held under its number.
#include "runtime/images.h"

#include <cstring>

#include "runtime/bmp_header.h"
#include "runtime/numbered_table.h"

namespace {

struct ImageRecord {
  HANDLE handle;  // a bitmap, or an icon
  int16_t width;
  int16_t height;
  int16_t depth;
};

// The information header and colour table in an aligned block of their own,
// exactly as the file has them.
struct BmpFormat {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

NumberedTable<ImageRecord, 10, 11> imageTable;
int32_t currentImage = -1;

const ImageRecord* CurrentRecord() { return imageTable.Lookup(currentImage); }

// A blank black bitmap of the display's depth in record n, or 0.
HBITMAP ImageMakeBlank(int32_t number, int32_t width, int32_t height) {
  ImageFree(number);
  ImageRecord* record = imageTable.Slot(number);
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (!record || !display) {
    if (display) DeleteDC(display);
    return nullptr;
  }
  HBITMAP bitmap = CreateCompatibleBitmap(display, width, height);
  if (bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    *record = {bitmap, static_cast<int16_t>(width), static_cast<int16_t>(height),
               static_cast<int16_t>(info.bmBitsPixel)};
    HDC painter = CreateCompatibleDC(display);
    HGDIOBJ previous = SelectObject(painter, bitmap);
    const RECT all = {0, 0, width, height};
    FillRect(painter, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(painter, previous);
    DeleteDC(painter);
  }
  DeleteDC(display);
  return bitmap;
}

}  // namespace

bool ImageLayerStart() {
  currentImage = -1;
  return imageTable.Create();
}

void ImageLayerStop() {
  for (int32_t number = 0; number < imageTable.Capacity(); ++number) ImageFree(number);
  imageTable.Release();
  currentImage = -1;
}

HBITMAP ImageLoadFromMemory(int32_t number, const void* data) {
  // The caller gives only an address: the file size in the header is all
  // there is to bound the reads, which suits the program's built-in pictures.
  BmpLayout layout;
  if (number < 0 || !BmpReadLayout(data, SIZE_MAX, layout)) return nullptr;
  const auto* file = static_cast<const uint8_t*>(data);
  BmpFormat format{};
  memcpy(&format, file + BMP_FILE_HEADER_SIZE, BMP_INFO_HEADER_SIZE + layout.colourCount * 4);

  currentImage = number;
  const int32_t rows = layout.height < 0 ? -layout.height : layout.height;
  HBITMAP bitmap = ImageMakeBlank(number, layout.width, rows);
  if (!bitmap) return nullptr;
  HDC screen = CreateCompatibleDC(nullptr);
  SetDIBits(screen, bitmap, 0, static_cast<UINT>(rows), file + layout.pixelOffset,
            reinterpret_cast<const BITMAPINFO*>(&format), DIB_RGB_COLORS);
  DeleteDC(screen);
  return bitmap;
}

HBITMAP ImageUse(int32_t number) {
  const ImageRecord* record = imageTable.Lookup(number);
  if (!record) return nullptr;
  currentImage = number;
  return static_cast<HBITMAP>(record->handle);
}

void ImageFree(int32_t number) {
  const ImageRecord* record = imageTable.Lookup(number);
  if (!record) return;
  if (GetObjectType(record->handle) == OBJ_BITMAP) {
    DeleteObject(record->handle);
  } else {
    DestroyIcon(static_cast<HICON>(record->handle));
  }
  imageTable.Clear(number);
}

int32_t ImageWidth() {
  const ImageRecord* record = CurrentRecord();
  return record ? record->width : 0;
}

int32_t ImageHeight() {
  const ImageRecord* record = CurrentRecord();
  return record ? record->height : 0;
}

int32_t ImageTableCapacity() { return imageTable.Capacity(); }
