// Modal message boxes that keep the program's other windows disabled, and
// the help file opened at a topic.
#pragma once

#include <windows.h>

#include <cstdint>

// The button code MessageBoxA returns.
int32_t ShowMessage(const char* title, const char* text, uint32_t flags = 0);

// Loads the HTML help library; failure only disables HTML help.
void HelpLayerStart();
// Closes the help viewer used last, when the library was loaded, then
// deletes the help file written for this run.
void HelpLayerStop();
// True when requests for HTML help files reach a viewer.
bool HtmlHelpAvailable();

HWND ShowHelpTopic(const char* file, const char* topic);
void CloseHelpViewer();
