// The program's one tooltip control and the gadgets' tips on it.
#include "gui/gadget.h"
#include "gui/gadget_record.h"

#include <commctrl.h>

#include "runtime/instance.h"

namespace {

HWND tooltip;
WNDPROC tooltipProcedure;

// The tip stays above everything, also above topmost windows shown after it.
LRESULT CALLBACK TooltipProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
  return CallWindowProcA(tooltipProcedure, control, message, wParam, lParam);
}

HWND TooltipControl() {
  if (tooltip) return tooltip;
  tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, ProgramInstance(),
                            nullptr);
  if (!tooltip) return nullptr;
  tooltipProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TooltipProcedure)));
  return tooltip;
}

// The tool of a gadget: the gadget itself, in its parent window.
TTTOOLINFOA ToolOf(HWND gadget) {
  TTTOOLINFOA tool = {};
  // The size that ends at the text: 40 bytes in a 32-bit program.
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(gadget);
  tool.uId = reinterpret_cast<UINT_PTR>(gadget);
  return tool;
}

}  // namespace

void GadgetSetTooltip(int32_t number, const char* text) {
  HWND control = TooltipControl();
  HWND gadget = GadgetHandle(number);
  if (!control || !gadget) return;
  TTTOOLINFOA tool = ToolOf(gadget);
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): adding a tool only reads it
  tool.lpszText = const_cast<char*>(text ? text : "");
  SendMessageA(control, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(control, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void GadgetRemoveTooltip(HWND gadget) {
  if (!tooltip) return;
  TTTOOLINFOA tool = ToolOf(gadget);
  SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TooltipDestroy() {
  if (tooltip) DestroyWindow(tooltip);
  tooltip = nullptr;
}
