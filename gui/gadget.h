// Gadgets: the controls of the program's windows, addressed by numbers that
// are also their platform ids. Every kind reports through the event stream
// of the window layer as EVENT_GADGET with the gadget number as object.
#pragma once

#include <windows.h>

#include <cstdint>

// Start-up and shutdown of the layer (the gadget table, the default font).
bool GadgetLayerStart();
void GadgetLayerStop();

HWND ButtonCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                  const char* caption);
HWND CheckBoxCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                    const char* caption);
HWND LabelCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                 const char* text, uint32_t flags);
HWND TextFieldCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                     const char* text, uint32_t flags);
HWND PictureCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                   HBITMAP image, uint32_t extendedStyle);
HWND LinkCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                const char* text, COLORREF hoverColour);
HWND SliderCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                  int32_t minimum, int32_t maximum, uint32_t flags);

HWND GadgetListOpen(HWND window);
HWND GadgetHandle(int32_t number);
// The text in the temporary-string area (at most 31999 characters).
const char* GadgetGetText(int32_t number);
void GadgetSetText(int32_t number, const char* text);
int32_t GadgetGetState(int32_t number);
void GadgetSetState(int32_t number, int32_t value);
void GadgetDisable(int32_t number, int32_t disabled);
void GadgetFree(int32_t number);
// Number -1 sets the default font of later gadgets; font -1 is the stock
// default GUI font.
void GadgetSetFont(int32_t number, HFONT font);
void GadgetSetTooltip(int32_t number, const char* text);

inline const HFONT FONT_STOCK_DEFAULT = reinterpret_cast<HFONT>(static_cast<intptr_t>(-1));
