// The skinned window: checks the skin block's signature, unpacks the picture,
// sizes the window to it, cuts the window's outline from the run table and
// lays the picture over the whole window as its face.
#include "gui/skin.h"

#include <windows.h>

#include <cstring>

#include "gui/gadget.h"
#include "gui/skin_format.h"
#include "gui/unpack.h"
#include "gui/window.h"
#include "runtime/images.h"
#include "runtime/memory.h"

namespace {

int16_t Read16(const uint8_t* at) {
  int16_t value = 0;
  memcpy(&value, at, sizeof value);
  return value;
}

int32_t Read32(const uint8_t* at) {
  int32_t value = 0;
  memcpy(&value, at, sizeof value);
  return value;
}

bool SignatureMatches(const uint8_t* block) {
  // The field is read as a text of at most 48 characters.
  const char* field = reinterpret_cast<const char*>(block + SKIN_SIGNATURE_OFFSET);
  constexpr size_t length = sizeof SKIN_SIGNATURE - 1;
  return strnlen(field, length) == length && memcmp(field, SKIN_SIGNATURE, length) == 0;
}

// The picture as a bitmap file image in a block of its own, or null.
uint8_t* ExtractPicture(const uint8_t* block, int8_t packed, int32_t pictureSize,
                        int32_t packedSize) {
  auto* picture = static_cast<uint8_t*>(MemoryAlloc(pictureSize));
  if (!picture) return nullptr;
  const uint8_t* stored = block + SKIN_PICTURE_OFFSET;
  if (!packed) {
    MemoryCopy(stored, picture, pictureSize);
  } else if (Unpack(stored, packedSize, picture, pictureSize) != pictureSize) {
    MemoryFree(picture);
    return nullptr;
  }
  return picture;
}

// The picture's rectangle less every run: each run is cut out by one XOR.
HRGN CutOutline(int32_t width, int32_t height, int8_t runHeight, const uint8_t* table) {
  HRGN outline = CreateRectRgn(0, 0, width, height);
  const int32_t tableLength = Read32(table);
  const uint8_t* run = table + 4;
  for (int32_t i = 0; i + SKIN_RUN_SIZE <= tableLength; i += SKIN_RUN_SIZE, run += SKIN_RUN_SIZE) {
    const int16_t left = Read16(run);
    const int16_t top = Read16(run + 2);
    const int16_t right = Read16(run + 4);
    HRGN cut = CreateRectRgn(left, top, right, top + runHeight);
    CombineRgn(outline, outline, cut, RGN_XOR);
    DeleteObject(cut);
  }
  return outline;
}

}  // namespace

int32_t SkinApply(int32_t windowNumber, int32_t pictureGadget, int32_t imageNumber,
                  const uint8_t* skinBlock, int32_t centre) {
  if (!skinBlock || !SignatureMatches(skinBlock)) return 0;
  HWND window = WindowHandle(windowNumber);
  if (!window) return 0;
  const auto runHeight = static_cast<int8_t>(skinBlock[SKIN_RUN_HEIGHT_OFFSET]);
  const auto packed = static_cast<int8_t>(skinBlock[SKIN_PACKED_FLAG_OFFSET]);
  const int32_t pictureSize = Read32(skinBlock + SKIN_PICTURE_SIZE_OFFSET);
  const int32_t packedSize = Read32(skinBlock + SKIN_PACKED_SIZE_OFFSET);

  // A picture that cannot be unpacked or made into an image leaves the
  // window as it was, rather than shrinking it to nothing.
  uint8_t* picture = ExtractPicture(skinBlock, packed, pictureSize, packedSize);
  if (!picture) return 0;
  const bool made = ImageLoadFromMemory(imageNumber, picture) != nullptr;
  MemoryFree(picture);
  if (!made) return 0;
  HBITMAP face = ImageUse(imageNumber);
  const int32_t width = ImageWidth();
  const int32_t height = ImageHeight();

  WindowSelect(windowNumber);
  WindowResize(width, height);

  const uint8_t* table = skinBlock + SKIN_PICTURE_OFFSET + (packed ? packedSize : pictureSize);
  SetWindowRgn(window, CutOutline(width, height, runHeight, table), TRUE);

  if (centre) {
    SetWindowPos(window, HWND_TOP, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                 GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, width, height, SWP_SHOWWINDOW);
  }

  // Without SS_NOTIFY the picture lets the mouse through: a press on the face
  // reaches the window itself, which the program turns into a drag. It never
  // paints over the gadgets that lie above it.
  HWND picturePane = PictureCreate(pictureGadget, 0, 0, width, height, face, 0);
  if (picturePane) {
    const LONG style = GetWindowLongA(picturePane, GWL_STYLE);
    SetWindowLongA(picturePane, GWL_STYLE, (style ^ SS_NOTIFY) | WS_CLIPSIBLINGS);
  }
  return 1;
}

int32_t SkinShow(int32_t windowNumber, int32_t hide) {
  if (hide) {
    WindowSetHidden(windowNumber, 1);
    return 0;
  }
  HWND window = WindowHandle(windowNumber);
  if (window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  WindowSetHidden(windowNumber, 0);
  return 0;
}
