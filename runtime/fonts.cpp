// Numbered fonts: one platform font per number, sized in points for the
// display's own resolution.
#include "runtime/fonts.h"

#include "runtime/numbered_table.h"

namespace {

struct FontRecord {
  HFONT handle;
};

struct FontStyle {
  int weight;
  DWORD italic;
  DWORD underline;
  DWORD strikeOut;
  DWORD quality;
};

constexpr FontStyle DEFAULT_STYLE = {FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_QUALITY};
constexpr int POINTS_PER_INCH = 72;
constexpr int FALLBACK_PIXELS_PER_INCH = 96;

NumberedTable<FontRecord, 30> fontTable;

FontStyle StyleFromFlags(uint32_t flags) {
  FontStyle style = DEFAULT_STYLE;
  if (flags & FONT_BOLD) style.weight = FW_BOLD;
  if (flags & FONT_ITALIC) style.italic = TRUE;
  if (flags & FONT_UNDERLINE) style.underline = TRUE;
  if (flags & FONT_STRIKEOUT) style.strikeOut = TRUE;
  if (flags & FONT_HIGH_QUALITY) style.quality = PROOF_QUALITY;
  return style;
}

// The display's resolution, read once: it stays the same while the program
// runs, and the main window loads almost a hundred fonts at start-up, each of
// which would otherwise make and delete a display context.
int DisplayPixelsPerInch() {
  static int pixelsPerInch = 0;
  if (pixelsPerInch) return pixelsPerInch;
  pixelsPerInch = FALLBACK_PIXELS_PER_INCH;
  if (HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {
    pixelsPerInch = GetDeviceCaps(display, LOGPIXELSY);
    DeleteDC(display);
  }
  return pixelsPerInch;
}

// The character height in pixels, negative so that the platform matches the
// character rather than the cell.
int FontHeight(int32_t size) { return -MulDiv(size, DisplayPixelsPerInch(), POINTS_PER_INCH); }

}  // namespace

bool FontLayerStart() {
  return fontTable.Create();
}

void FontLayerStop() {
  for (int32_t number = fontTable.Capacity() - 1; number >= 0; --number) FontFree(number);
  fontTable.Release();
}

HFONT FontLoad(int32_t number, const char* face, int32_t size, uint32_t flags) {
  const FontStyle style = StyleFromFlags(flags);
  FontRecord* record = fontTable.Slot(number);
  if (!record) return nullptr;
  if (record->handle) DeleteObject(record->handle);
  record->handle = CreateFontA(FontHeight(size), 0, 0, 0, style.weight, style.italic,
                               style.underline, style.strikeOut, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, style.quality,
                               DEFAULT_PITCH | FF_DONTCARE, face);
  return record->handle;
}

void FontFree(int32_t number) {
  FontRecord* record = fontTable.Lookup(number);
  if (!record) return;
  DeleteObject(record->handle);
  fontTable.Clear(number);
}

int32_t FontTableCapacity() { return fontTable.Capacity(); }
