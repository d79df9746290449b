// The donation dialog: three pictures, the "Yes, I have donated" check box
// that follows donatedFlag, and the buttons that open the donation page and
// close the dialog.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr int32_t DONATION_WINDOW = 0;
inline constexpr int32_t DONATION_HEADER = 0;  // picture gadgets; images 1 to 3
inline constexpr int32_t DONATION_MESSAGE = 1;
inline constexpr int32_t DONATION_THANKS = 3;
inline constexpr int32_t DONATION_OK = 4;
inline constexpr int32_t DONATION_DONATED_BOX = 5;
inline constexpr int32_t DONATION_WILL_DONATE = 8;

// Opens window 0 with its gadgets and shortcuts, with the main window
// disabled. The window's handle, or 0 when it cannot be completed; then the
// main window is as before and no window 0 is left.
HWND OpenDonationDialog();
// Opens the donation dialog and returns when it has closed.
void RunDonationDialog();
