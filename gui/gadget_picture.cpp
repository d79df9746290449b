// Pictures: a static control that shows a bitmap (or icon) at its natural
// size, always drawn normally, and reports clicks and double clicks.
#include "gui/gadget.h"
#include "gui/gadget_record.h"
#include "gui/window.h"

namespace {

void PictureSetState(HWND control, int32_t value) {
  // GDI handles carry 32 significant bits; sign extension restores them.
  SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, static_cast<LPARAM>(value));
}

constexpr GadgetOperations PICTURE_OPERATIONS = {nullptr, nullptr, PictureSetState, nullptr,
                                                 nullptr};

SIZE ImageSize(HANDLE image) {
  BITMAP bitmap = {};
  if (GetObjectType(image) == OBJ_BITMAP) {
    GetObjectA(image, sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
  }
  ICONINFO icon = {};
  if (!GetIconInfo(static_cast<HICON>(image), &icon)) return {0, 0};
  if (icon.hbmColor) {
    GetObjectA(icon.hbmColor, sizeof bitmap, &bitmap);
  } else if (icon.hbmMask) {
    // A monochrome icon keeps its image and mask stacked in one bitmap.
    GetObjectA(icon.hbmMask, sizeof bitmap, &bitmap);
    bitmap.bmHeight /= 2;
  }
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

LRESULT SetImage(HWND control, LPARAM handle) {
  auto* image = reinterpret_cast<HANDLE>(handle);
  GadgetRecord* record = GadgetRecordOf(control);
  if (record) record->image = image;
  if (!image) return handle;
  SIZE size = ImageSize(image);
  if (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
    size.cx += 4;
    size.cy += 4;
  }
  SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
  InvalidateRect(control, nullptr, TRUE);
  UpdateWindow(control);
  return handle;
}

HANDLE StoredImage(HWND control) {
  const GadgetRecord* record = GadgetRecordOf(control);
  return record ? record->image : nullptr;
}

// Drawn in the normal appearance even when disabled.
void DrawImage(HDC dc, HANDLE image) {
  if (!image) return;
  UINT kind = GetObjectType(image) == OBJ_BITMAP ? DST_BITMAP : DST_ICON;
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, 0, 0, 0, 0,
             kind | DSS_NORMAL);
}

LRESULT Paint(HWND control, UINT message, WPARAM wParam) {
  if (message == WM_PRINTCLIENT) {
    DrawImage(reinterpret_cast<HDC>(wParam), StoredImage(control));
    return 0;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  DrawImage(dc, StoredImage(control));
  EndPaint(control, &paint);
  return 0;
}

LRESULT RightButtonUp(HWND control) {
  GadgetRecord* record = GadgetRecordOf(control);
  if (record && record->rightDoubleClick) {
    record->rightDoubleClick = false;
    return 0;
  }
  GadgetReport(control, DETAIL_RIGHT_CLICK);
  return 0;
}

LRESULT CALLBACK PictureProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case STM_SETIMAGE:
    case STM_SETICON:
      return SetImage(control, message == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam);
    case STM_GETIMAGE:
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(StoredImage(control));
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return Paint(control, message, wParam);
    case WM_ENABLE:
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return 0;
    case WM_LBUTTONDBLCLK:
      GadgetReport(control, DETAIL_LEFT_DOUBLE_CLICK);
      return 0;
    case WM_RBUTTONDBLCLK: {
      GadgetRecord* record = GadgetRecordOf(control);
      if (record) record->rightDoubleClick = true;
      GadgetReport(control, DETAIL_RIGHT_DOUBLE_CLICK);
      return 0;
    }
    case WM_RBUTTONUP:
      return RightButtonUp(control);
    default:
      return GadgetCommonProcedure(control, message, wParam, lParam);
  }
}

}  // namespace

HWND PictureCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                   HBITMAP image, uint32_t extendedStyle) {
  if (!GadgetPrepareSlot(number)) return nullptr;
  HWND control = GadgetCreateControl(number, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                                     extendedStyle, x, y, width, height);
  if (!control) return nullptr;
  GadgetStore(number, control, &PICTURE_OPERATIONS);
  GadgetSubclass(control, PictureProcedure);
  SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
  return control;
}
