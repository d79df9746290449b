// The About window and the donation dialog as the driver meets them: their
// titles and gadget numbers, finding them among the program's windows, and
// one opening and closing of each as a user does it.
#pragma once

#include <windows.h>

#include "tests/e2e/driver.h"

namespace e2e {

inline constexpr char ABOUT_TITLE[] = "About";
inline constexpr char DONATION_TITLE[] = "Thank you very much";

enum AboutGadget : int {
  ABOUT_CLOSE = 12,
  VERSION = 13,
  AUTHOR = 14,
  WWW_LABEL = 15,
  MAIL_LABEL = 16,
  WEB_LINK = 17,
  MAIL_LINK = 18,
};

enum DonationGadget : int { DONATION_OK = 4, DONATED_BOX = 5, WILL_DONATE = 8 };

// A visible top-level window of the program other than its main window.
HWND FindSideWindow(const Program& program, const char* title);
bool Gone(const Program& program, const char* title);
// Waits for the window and for it to come to the front with its content
// painted; null when it does not appear.
HWND AwaitSideWindow(const Program& program, const char* title);
// A click on the centre of one of the window's gadgets.
void ClickGadgetOf(HWND window, int gadget);

// How a side round opens and closes the two windows: their shortcuts and
// Escape, or the main window's buttons and each window's own closing button.
enum class SideWay { SHORTCUTS, BUTTONS };

// Opens and closes the donation dialog, then the About window; true when
// each came up and went away again.
bool SideRound(Program& program, SideWay way);

}  // namespace e2e
