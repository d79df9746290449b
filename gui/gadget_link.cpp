// Links: text that turns to its hover colour under the pointer, shows the
// hand cursor, and reports a click when the button is released on it. The
// static control only lends its class; the link draws and decides itself.
#include "gui/gadget.h"
#include "gui/gadget_record.h"

namespace {

constexpr GadgetOperations LINK_OPERATIONS = {};
constexpr int32_t LINK_TEXT_LIMIT = 512;
constexpr COLORREF LINK_COLOUR = 0;

HCURSOR handCursor;

HCURSOR HandCursor() {
  if (!handCursor) handCursor = LoadCursorA(nullptr, IDC_HAND);
  if (!handCursor) handCursor = LoadCursorA(nullptr, IDC_ARROW);
  return handCursor;
}

// cppcheck-suppress constParameter ; a window handle, not data
bool Hovered(HWND link) { return GetCapture() == link; }

// Hovering lasts while the link holds the mouse capture.
void MouseMove(HWND link, LPARAM lParam) {
  if (!Hovered(link)) {
    SetCapture(link);
    InvalidateRect(link, nullptr, FALSE);
    return;
  }
  RECT client;
  GetClientRect(link, &client);
  int x = static_cast<short>(LOWORD(lParam));
  int y = static_cast<short>(HIWORD(lParam));
  if (x < 0 || x > client.right || y < 0 || y > client.bottom) ReleaseCapture();
}

void Paint(HWND link) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(link, &paint);
  auto* brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(link), WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(link)));
  if (brush) FillRect(dc, &paint.rcPaint, brush);

  const GadgetRecord* record = GadgetRecordOf(link);
  if (record && record->font) SelectObject(dc, record->font);
  RECT client;
  GetClientRect(link, &client);
  HRGN clip = CreateRectRgnIndirect(&client);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);

  char text[LINK_TEXT_LIMIT];
  int length = GetWindowTextA(link, text, LINK_TEXT_LIMIT);
  if (IsWindowEnabled(link)) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, record && Hovered(link) ? record->hoverColour : LINK_COLOUR);
    TextOutA(dc, 0, 0, text, length);
  } else {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), static_cast<WPARAM>(length),
               0, 0, 0, 0, DST_TEXT | DSS_DISABLED);
  }
  EndPaint(link, &paint);
}

LRESULT SetFont(HWND link, WPARAM wParam, LPARAM lParam) {
  GadgetRecord* record = GadgetRecordOf(link);
  if (record) record->font = reinterpret_cast<HFONT>(wParam);
  if (lParam == 1) InvalidateRect(link, nullptr, TRUE);
  return 0;
}

LRESULT CALLBACK LinkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(HandCursor());
      return 1;
    case WM_SETFONT:
      return SetFont(link, wParam, lParam);
    case WM_GETFONT: {
      const GadgetRecord* record = GadgetRecordOf(link);
      return reinterpret_cast<LRESULT>(record ? record->font : nullptr);
    }
    case WM_MOUSEMOVE:
      MouseMove(link, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      InvalidateRect(link, nullptr, FALSE);
      UpdateWindow(link);
      return 0;
    case WM_LBUTTONUP:
      SendMessageA(GadgetTopLevel(link), WM_COMMAND,
                   MAKEWPARAM(GetWindowLongA(link, GWL_ID), 0), reinterpret_cast<LPARAM>(link));
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_COMMAND:
      return 0;
    case WM_ENABLE:
      InvalidateRect(link, nullptr, TRUE);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(link, message, wParam, lParam);
      InvalidateRect(link, nullptr, TRUE);
      return result;
    }
    case WM_PAINT:
      Paint(link);
      return 0;
    case WM_NCDESTROY:
      GadgetRelease(link);
      return DefWindowProcA(link, message, wParam, lParam);
    default:
      return DefWindowProcA(link, message, wParam, lParam);
  }
}

}  // namespace

HWND LinkCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                const char* text, COLORREF hoverColour) {
  if (!GadgetPrepareSlot(number)) return nullptr;
  HandCursor();
  HWND link = GadgetCreateControl(number, "STATIC", text, WS_CHILD | WS_VISIBLE, 0, x, y, width,
                                  height);
  if (!link) return nullptr;
  SetWindowLongPtrA(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProcedure));
  GadgetRecord& record = GadgetStore(number, link, &LINK_OPERATIONS);
  record.hoverColour = hoverColour;
  record.font = GadgetDefaultFont();
  return link;
}
