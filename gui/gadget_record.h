// What the gadget kinds share inside the gadget layer: the record of a
// gadget, the numbered table that holds it, and the common steps of creating
// a control and of releasing its record.
#pragma once

#include <windows.h>

#include <cstdint>

// A kind's own operations; an absent one falls back to the platform default
// (DestroyWindow, no state, the window text).
struct GadgetOperations {
  void (*free)(HWND control);
  int32_t (*getState)(HWND control);
  void (*setState)(HWND control, int32_t value);
  const char* (*getText)(HWND control);
  void (*setText)(HWND control, const char* text);
};

struct GadgetRecord {
  HWND handle;  // null: no gadget under this number
  const GadgetOperations* operations;
  COLORREF hoverColour;        // links
  HANDLE image;                // pictures
  bool rightDoubleClick;       // pictures: the next right button-up is swallowed
  WNDPROC savedProcedure;      // the platform's procedure behind the layer's own
  HFONT font;                  // links draw their text themselves
};

// The record of the gadget whose control this is, or null.
GadgetRecord* GadgetRecordOf(HWND control);
// Frees any gadget under the number and makes sure the table has room for
// it; false when the number cannot be held.
bool GadgetPrepareSlot(int32_t number);
// Creates the control in the gadget list's window with the number as its id.
HWND GadgetCreateControl(int32_t number, const char* className, const char* text,
                         uint32_t style, uint32_t extendedStyle, int32_t x, int32_t y,
                         int32_t width, int32_t height);
// Stores a created control under its number; the record is returned for the
// kind's own fields.
GadgetRecord& GadgetStore(int32_t number, HWND control, const GadgetOperations* operations);
// Puts the layer's procedure in front of the control's and keeps the old one.
void GadgetSubclass(HWND control, WNDPROC procedure);
// The procedure a layer procedure forwards to.
WNDPROC GadgetNextProcedure(HWND control);
// Releases the record of a control that is being destroyed (WM_NCDESTROY).
void GadgetRelease(HWND control);
// Takes a gadget's tip off the tooltip control, as the gadget goes.
void GadgetRemoveTooltip(HWND gadget);
// Destroys the tooltip control; the next tip makes a new one.
void TooltipDestroy();

HFONT GadgetDefaultFont();
// The top-level window that receives a gadget's reports.
HWND GadgetTopLevel(HWND control);
// Sends MSG_GADGET_EVENT for the control to its top-level window.
void GadgetReport(HWND control, int32_t detail);

// The forwarding procedure of buttons, check boxes, labels, text fields and
// sliders.
LRESULT CALLBACK GadgetCommonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
