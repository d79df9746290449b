// The cells' guard. Every way text reaches an edit control goes through
// its procedure: typed characters, pasting (Ctrl+V, Shift+Insert, the
// context menu), replaced selections and texts set by a message. The
// standard edit control takes no dropped text.
#include "ui/cell_input.h"

#include <cstring>

namespace {

// The procedure the cells had before the guard: the same for all of them.
WNDPROC cellProcedure;

bool IsCellDigit(char ch) { return ch >= '1' && ch <= '9'; }

// One digit 1 to 9 alone; blanks around it, as copied text often has, do
// not count. The digit, or 0.
char OnlyDigit(const char* text) {
  char digit = 0;
  for (const char* p = text; *p; ++p) {
    if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') continue;
    if (digit || !IsCellDigit(*p)) return 0;
    digit = *p;
  }
  return digit;
}

void SelectAll(HWND cell) { CallWindowProcA(cellProcedure, cell, EM_SETSEL, 0, -1); }

// The clipboard's text, at most a short one: a cell needs no more.
char ClipboardDigit(HWND cell) {
  constexpr size_t MOST = 64;
  char digit = 0;
  if (!OpenClipboard(cell)) return 0;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
      const size_t size = GlobalSize(data);
      if (size > 0 && size <= MOST && memchr(text, '\0', size)) digit = OnlyDigit(text);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return digit;
}

void Paste(HWND cell) {
  const char text[] = {ClipboardDigit(cell), '\0'};
  if (!text[0]) return;
  CallWindowProcA(cellProcedure, cell, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  CallWindowProcA(cellProcedure, cell, EM_SETSEL, 1, 1);
}

LRESULT CALLBACK CellGuardProcedure(HWND cell, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (wParam == 0x16) {  // Ctrl+V
        Paste(cell);
        return 0;
      }
      if (wParam < ' ') break;  // Backspace and the other control keys
      if (!IsCellDigit(static_cast<char>(wParam))) return 0;
      SelectAll(cell);  // the digit replaces the one the cell held
      break;
    case WM_KEYDOWN:
      if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
        Paste(cell);
        return 0;
      }
      break;
    case WM_PASTE:
      Paste(cell);
      return 0;
    case WM_SETTEXT: {
      const auto* text = reinterpret_cast<const char*>(lParam);
      const bool accepted = !text || !text[0] || (IsCellDigit(text[0]) && !text[1]);
      if (!accepted) return FALSE;
      break;
    }
    case EM_REPLACESEL: {
      const auto* text = reinterpret_cast<const char*>(lParam);
      if (!text || !text[0]) break;  // the selection deleted
      if (!IsCellDigit(text[0]) || text[1]) return 0;
      SelectAll(cell);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      // Wherever it is clicked, the cell's digit is selected for the next
      // one to replace.
      const LRESULT result = CallWindowProcA(cellProcedure, cell, message, wParam, lParam);
      SelectAll(cell);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcA(cellProcedure, cell, message, wParam, lParam);
}

}  // namespace

void GuardCellInput(HWND cell) {
  if (!cell) return;
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CellGuardProcedure)));
  if (!cellProcedure) cellProcedure = previous;
}
