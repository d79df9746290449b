// Other processes' windows as the driver sees them: finding, counting and
// reading them; the clipboard; the probe build's answers; the slider's
// geometry.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The visible top-level windows of a process (all processes for 0).
std::vector<HWND> VisibleWindows(DWORD process);
// Every window of a process, top-level and child, visible or not.
int CountWindows(DWORD process);
DWORD ProcessOf(HWND window);
std::string ClassOf(HWND window);
// A window's stored text, read without asking its process (answers even
// while the program is busy).
std::string StoredText(HWND window);
// The text the window itself answers to WM_GETTEXT; empty after 3 s.
std::string AskedText(HWND window);

// The clipboard's text, and a text put on it, as another program would.
std::string ClipboardText();
bool SetClipboardText(const char* text);

// The live GDI object count of a probe build of the program (see
// probe_main.cpp); -1 when the probe does not answer.
int ProbeGdiCount(DWORD process);

// The centre of the slider's thumb at `position`, in the slider's own
// coordinates, found on a slider of the same size and style in this process.
POINT SliderThumbCentre(int width, int height, int position);

}  // namespace e2e
