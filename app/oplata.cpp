// The donation dialog: its layout tables and its own event loop, which runs
// while the main window is disabled.
#include "app/oplata.h"

#include "app/identity.h"
#include "app/settings.h"
#include "app/side_window.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/strings.h"
#include "ui/pictures.h"

namespace {

constexpr char TITLE[] = "Thank you very much";
constexpr int32_t WINDOW_X = 452, WINDOW_Y = 558, WINDOW_WIDTH = 424, WINDOW_HEIGHT = 558;
constexpr char FONT_FACE[] = "Arial";

struct PictureLayout {
  int32_t gadget;
  int32_t image;
  int32_t x, y, width, height;  // each gadget takes its picture's size
  const unsigned char* bitmap;
};

constexpr PictureLayout PICTURES[] = {
    {DONATION_HEADER, 1, 5, 6, 410, 80, PICTURE_DONATION_HEADER},
    {DONATION_MESSAGE, 2, 5, 96, 410, 80, PICTURE_DONATION_MESSAGE},
    {DONATION_THANKS, 3, 5, 371, 460, 80, PICTURE_DONATION_THANKS},
};

struct ShortcutLayout {
  int32_t button;
  int32_t key;
};

constexpr ShortcutLayout SHORTCUTS[] = {
    {DONATION_OK, SHORTCUT_CONTROL | 'O'},
    {DONATION_OK, VK_ESCAPE},
    {DONATION_OK, VK_RETURN},
    {DONATION_WILL_DONATE, SHORTCUT_CONTROL | 'W'},
};

constexpr char OK_CAPTION[] = "&OK - I understand";
constexpr char WILL_DONATE_CAPTION[] = "I &will donate";
constexpr char OK_TIP[] = "Accept your decision.";
constexpr char WILL_DONATE_TIP[] = "Opens the donation service's page in your web browser.";

// Each text gadget has a font of its own, numbered like the gadget.
void SetGadgetFont(int32_t number, int32_t size) {
  GadgetSetFont(number, FontLoad(number, FONT_FACE, size, FONT_BOLD));
}

// The table's shortcuts and Alt with the caption's underlined letter.
void AddShortcuts(int32_t button, const char* caption) {
  for (const ShortcutLayout& shortcut : SHORTCUTS) {
    if (shortcut.button == button) ShortcutAdd(DONATION_WINDOW, shortcut.key, button);
  }
  ShortcutAddMnemonic(DONATION_WINDOW, caption, button);
}

// A picture whose image cannot be made is left out.
void ShowPictures() {
  for (const PictureLayout& p : PICTURES) {
    if (!ImageLoadFromMemory(p.image, p.bitmap)) continue;
    PictureCreate(p.gadget, p.x, p.y, p.width, p.height, ImageUse(p.image), WS_EX_CLIENTEDGE);
  }
}

void CreateControls() {
  ButtonCreate(DONATION_OK, 165, 526, 108, 25, OK_CAPTION);
  SetGadgetFont(DONATION_OK, 8);
  AddShortcuts(DONATION_OK, OK_CAPTION);
  CheckBoxCreate(DONATION_DONATED_BOX, 7, 338, 180, 15, "Yes, I have donated");
  if (donatedFlag == 1) GadgetSetState(DONATION_DONATED_BOX, 1);
  SetGadgetFont(DONATION_DONATED_BOX, 8);
  ButtonCreate(DONATION_WILL_DONATE, 275, 330, 144, 30, WILL_DONATE_CAPTION);
  AddShortcuts(DONATION_WILL_DONATE, WILL_DONATE_CAPTION);
  SetGadgetFont(DONATION_WILL_DONATE, 14);
}

// The box ticks itself when clicked; the flag decides what it shows.
void ToggleDonated() {
  donatedFlag = donatedFlag == 1 ? 0 : 1;
  GadgetSetState(DONATION_DONATED_BOX, donatedFlag);
}

// True when the event ends the dialog.
bool HandleEvent(int32_t event) {
  const int32_t number = EventObject();
  switch (event) {
    case EVENT_CLOSE:
      return true;
    case EVENT_COMMAND:
    case EVENT_GADGET:
      if (number == DONATION_WILL_DONATE) ShellOpen(DONATION_PAGE);
      if (event == EVENT_GADGET && number == DONATION_DONATED_BOX) ToggleDonated();
      return number == DONATION_OK;
    default:
      return false;
  }
}

}  // namespace

HWND OpenDonationDialog() {
  DisableMainWindow();
  if (!SideWindowOpen(DONATION_WINDOW, WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT, TITLE)) {
    RestoreMainWindow();
    return nullptr;
  }
  if (!SideGadgetListOpen(WindowCurrentHandle())) {
    CloseSideWindow(DONATION_WINDOW);
    return nullptr;
  }
  ShowPictures();
  CreateControls();
  GadgetSetTooltip(DONATION_WILL_DONATE, WILL_DONATE_TIP);
  GadgetSetTooltip(DONATION_OK, OK_TIP);
  return WindowHandle(DONATION_WINDOW);
}

void RunDonationDialog() {
  if (!OpenDonationDialog()) return;
  int32_t quit = 0;
  while (quit == 0) {
    TempScope scope;
    if (HandleEvent(EventWait())) quit = 1;
  }
  CloseSideWindow(DONATION_WINDOW);
}
