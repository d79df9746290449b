// The gadget table and the operations every kind shares; buttons, check
// boxes, labels and text fields, which differ only in class and style.
#include "gui/gadget.h"

#include "gui/gadget_record.h"
#include "gui/window.h"
#include "runtime/instance.h"
#include "runtime/numbered_table.h"
#include "runtime/strings.h"

namespace {

NumberedTable<GadgetRecord, 30, 30> gadgets;
HWND gadgetList;
HFONT defaultFont;

// Labels get a sunken border with this flag, text fields lose theirs.
constexpr uint32_t FLAG_BORDER = 0x20000;
constexpr uint32_t CHILD = WS_CHILD | WS_VISIBLE;
constexpr int32_t TEXT_LIMIT = 32000;

int32_t ButtonGetState(HWND control) {
  return static_cast<int32_t>(SendMessageA(control, BM_GETCHECK, 0, 0));
}

void ButtonSetState(HWND control, int32_t value) {
  SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void CheckBoxSetState(HWND control, int32_t value) {
  SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

constexpr GadgetOperations BUTTON_OPERATIONS = {nullptr, ButtonGetState, ButtonSetState, nullptr,
                                                nullptr};
constexpr GadgetOperations CHECK_BOX_OPERATIONS = {nullptr, ButtonGetState, CheckBoxSetState,
                                                   nullptr, nullptr};
constexpr GadgetOperations NO_OPERATIONS = {};

HFONT ResolveFont(HFONT font) {
  if (font == FONT_STOCK_DEFAULT) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return font;
}

// A control of a window not yet shown is painted in full when the window
// appears, so it is asked to redraw only when it can be seen: each redraw
// request costs a round trip to the window system, and the main window sets
// a font on almost a hundred controls before it shows itself.
void SetControlFont(HWND control, HFONT font) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(control));
}

// Text fields report their focus changes themselves, after the edit
// control's own notifications (which are sent, these are posted).
LRESULT CALLBACK FieldFocusProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    PostMessageA(GadgetTopLevel(control), MSG_GADGET_EVENT,
                 static_cast<WPARAM>(GetWindowLongA(control, GWL_ID)),
                 message == WM_SETFOCUS ? DETAIL_FOCUS : DETAIL_LOST_FOCUS);
  }
  return GadgetCommonProcedure(control, message, wParam, lParam);
}

HWND CreateCommon(int32_t number, const char* className, const char* text, uint32_t style,
                  uint32_t extendedStyle, int32_t x, int32_t y, int32_t width, int32_t height,
                  const GadgetOperations* operations) {
  if (!GadgetPrepareSlot(number)) return nullptr;
  HWND control =
      GadgetCreateControl(number, className, text, style, extendedStyle, x, y, width, height);
  if (!control) return nullptr;
  GadgetStore(number, control, operations);
  GadgetSubclass(control, GadgetCommonProcedure);
  SetControlFont(control, defaultFont);
  return control;
}

}  // namespace

// --- Shared with the other kinds ---

GadgetRecord* GadgetRecordOf(HWND control) {
  GadgetRecord* record = gadgets.Lookup(GetWindowLongA(control, GWL_ID));
  return record && record->handle == control ? record : nullptr;
}

bool GadgetPrepareSlot(int32_t number) {
  GadgetFree(number);
  return gadgets.Slot(number) != nullptr;
}

HWND GadgetCreateControl(int32_t number, const char* className, const char* text,
                         uint32_t style, uint32_t extendedStyle, int32_t x, int32_t y,
                         int32_t width, int32_t height) {
  return CreateWindowExA(extendedStyle, className, text, style, x, y, width, height, gadgetList,
                         reinterpret_cast<HMENU>(static_cast<intptr_t>(number)),
                         ProgramInstance(), nullptr);
}

GadgetRecord& GadgetStore(int32_t number, HWND control, const GadgetOperations* operations) {
  GadgetRecord& record = *gadgets.Slot(number);  // room was made before creation
  record = {};
  record.handle = control;
  record.operations = operations;
  return record;
}

void GadgetSubclass(HWND control, WNDPROC procedure) {
  LONG_PTR previous =
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  GadgetRecord* record = GadgetRecordOf(control);
  if (record) record->savedProcedure = reinterpret_cast<WNDPROC>(previous);
}

WNDPROC GadgetNextProcedure(HWND control) {
  const GadgetRecord* record = GadgetRecordOf(control);
  if (record && record->savedProcedure) return record->savedProcedure;
  // Without its record (released already) the class's own procedure serves.
  return reinterpret_cast<WNDPROC>(GetClassLongPtrA(control, GCLP_WNDPROC));
}

void GadgetRelease(HWND control) {
  GadgetRemoveTooltip(control);
  if (GadgetRecordOf(control)) gadgets.Clear(GetWindowLongA(control, GWL_ID));
}

HFONT GadgetDefaultFont() { return defaultFont; }

HWND GadgetTopLevel(HWND control) { return GetAncestor(control, GA_ROOT); }

void GadgetReport(HWND control, int32_t detail) {
  SendMessageA(GadgetTopLevel(control), MSG_GADGET_EVENT,
               static_cast<WPARAM>(GetWindowLongA(control, GWL_ID)), detail);
}

LRESULT CALLBACK GadgetCommonProcedure(HWND control, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
  WNDPROC next = GadgetNextProcedure(control);
  if (message == WM_NCDESTROY) GadgetRelease(control);
  return CallWindowProcA(next, control, message, wParam, lParam);
}

// --- The layer's interface ---

bool GadgetLayerStart() {
  gadgetList = nullptr;
  defaultFont = ResolveFont(FONT_STOCK_DEFAULT);
  return gadgets.Create();
}

void GadgetLayerStop() {
  // Controls outside the layer's windows would otherwise outlive their records.
  for (int32_t n = 0; n < gadgets.Capacity(); ++n) GadgetFree(n);
  gadgets.Release();
  TooltipDestroy();
}

HWND ButtonCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                  const char* caption) {
  return CreateCommon(number, "BUTTON", caption, CHILD | WS_TABSTOP | WS_GROUP, 0, x, y, width,
                      height, &BUTTON_OPERATIONS);
}

HWND CheckBoxCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                    const char* caption) {
  return CreateCommon(number, "BUTTON", caption,
                      CHILD | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0, x, y, width, height,
                      &CHECK_BOX_OPERATIONS);
}

HWND LabelCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                 const char* text, uint32_t flags) {
  uint32_t extendedStyle = (flags & FLAG_BORDER) ? WS_EX_CLIENTEDGE : 0;
  return CreateCommon(number, "STATIC", text, CHILD | WS_GROUP | flags, extendedStyle, x, y,
                      width, height, &NO_OPERATIONS);
}

HWND TextFieldCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                     const char* text, uint32_t flags) {
  uint32_t extendedStyle = (flags & FLAG_BORDER) ? 0 : WS_EX_CLIENTEDGE;
  HWND control = CreateCommon(number, "EDIT", text,
                              CHILD | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | flags,
                              extendedStyle, x, y, width, height, &NO_OPERATIONS);
  // In front of the common procedure, which it calls itself.
  if (control) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldFocusProcedure));
  }
  return control;
}

HWND GadgetListOpen(HWND window) {
  gadgetList = window;
  return window;
}

HWND GadgetHandle(int32_t number) {
  const GadgetRecord* record = gadgets.Lookup(number);
  return record ? record->handle : nullptr;
}

const char* GadgetGetText(int32_t number) {
  const GadgetRecord* record = gadgets.Lookup(number);
  if (record && record->operations->getText) return record->operations->getText(record->handle);
  char* text = TempReserve(TEXT_LIMIT);
  text[0] = '\0';
  if (record) GetWindowTextA(record->handle, text, TEXT_LIMIT);
  return TempCommit(text);
}

void GadgetSetText(int32_t number, const char* text) {
  const GadgetRecord* record = gadgets.Lookup(number);
  if (!record) return;
  if (record->operations->setText) {
    record->operations->setText(record->handle, text);
    return;
  }
  SetWindowTextA(record->handle, text ? text : "");
}

int32_t GadgetGetState(int32_t number) {
  const GadgetRecord* record = gadgets.Lookup(number);
  if (!record || !record->operations->getState) return 0;
  return record->operations->getState(record->handle);
}

void GadgetSetState(int32_t number, int32_t value) {
  const GadgetRecord* record = gadgets.Lookup(number);
  if (record && record->operations->setState) record->operations->setState(record->handle, value);
}

void GadgetDisable(int32_t number, int32_t disabled) {
  HWND control = GadgetHandle(number);
  if (control) EnableWindow(control, disabled == 0);
}

void GadgetFree(int32_t number) {
  const GadgetRecord* record = gadgets.Lookup(number);
  if (!record) return;
  HWND control = record->handle;
  if (record->operations->free) {
    record->operations->free(control);
    return;
  }
  // The record goes when the control receives WM_NCDESTROY.
  DestroyWindow(control);
}

void GadgetSetFont(int32_t number, HFONT font) {
  if (number == -1) {
    defaultFont = ResolveFont(font);
    return;
  }
  HWND control = GadgetHandle(number);
  if (control) SetControlFont(control, ResolveFont(font));
}
