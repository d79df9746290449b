// The cells' background colours: pale yellow and pale green by 3 x 3 box,
// pale blue for the difficulty caption, answered to the text fields' colour
// requests by the main window's callback.
#pragma once

#include <windows.h>

// Creates the three brushes (yellow, green, blue) before the main window opens.
void CreateCellBrushes();
// Deletes them once the main window is closed.
void ReleaseCellBrushes();

// The window callback: answers WM_CTLCOLOREDIT of the cells and the caption
// with their brush; every other message goes on to the window layer.
LRESULT MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
