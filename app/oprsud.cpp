// The About window: its layout table and its own event loop, which runs
// while the main window is disabled.
#include "app/oprsud.h"

#include "app/identity.h"
#include "app/side_window.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/strings.h"
#include "ui/pictures.h"

namespace {

constexpr char TITLE[] = "About";
constexpr int32_t WINDOW_X = 232, WINDOW_Y = 130, WINDOW_WIDTH = 354, WINDOW_HEIGHT = 239;
constexpr char FONT_FACE[] = "Arial";
constexpr COLORREF WEB_HOVER = RGB(255, 0, 0);
constexpr COLORREF MAIL_HOVER = RGB(0, 0, 255);

enum class Kind { LABEL, LINK };

// Each label is only as high as its line and ends where its link begins, so
// that no label paints over the line below it or over the link beside it.
// The e-mail link is wide enough for the whole address.
struct TextLayout {
  int32_t number;
  Kind kind;
  int32_t x, y, width, height;
  const char* text;
  int32_t fontSize;
  uint32_t fontFlags;
  COLORREF hover;
};

constexpr TextLayout TEXTS[] = {
    {ABOUT_VERSION, Kind::LABEL, 11, 92, 220, 18, PROGRAM_VERSION_LINE, 8, FONT_BOLD, 0},
    {ABOUT_AUTHOR, Kind::LABEL, 11, 110, 220, 18, AUTHOR_LINE, 8, FONT_BOLD, 0},
    {ABOUT_WEB_LABEL, Kind::LABEL, 6, 140, 43, 15, "www:", 10, FONT_BOLD, 0},
    {ABOUT_WEB_LINK, Kind::LINK, 49, 140, 290, 15, MAKER_WEB_PAGE, 10,
     FONT_BOLD | FONT_UNDERLINE, WEB_HOVER},
    {ABOUT_MAIL_LABEL, Kind::LABEL, 6, 170, 57, 15, "E - mail:", 10, FONT_BOLD, 0},
    {ABOUT_MAIL_LINK, Kind::LINK, 63, 170, 280, 15, MAKER_EMAIL, 10,
     FONT_BOLD | FONT_UNDERLINE, MAIL_HOVER},
};

constexpr int32_t CLOSE_X = 132, CLOSE_Y = 211, CLOSE_WIDTH = 90, CLOSE_HEIGHT = 20;
constexpr char CLOSE_CAPTION[] = "C&lose";
constexpr char CLOSE_TIP[] = "Close current window.";
constexpr int32_t CLOSE_SHORTCUTS[] = {SHORTCUT_CONTROL | 'L', VK_ESCAPE, VK_RETURN};

// Each text gadget has a font of its own, numbered like the gadget.
void SetGadgetFont(int32_t number, int32_t size, uint32_t flags) {
  GadgetSetFont(number, FontLoad(number, FONT_FACE, size, flags));
}

void CreateText(const TextLayout& t) {
  if (t.kind == Kind::LABEL) {
    LabelCreate(t.number, t.x, t.y, t.width, t.height, t.text, 0);
  } else {
    LinkCreate(t.number, t.x, t.y, t.width, t.height, t.text, t.hover);
  }
  SetGadgetFont(t.number, t.fontSize, t.fontFlags);
}

// The banner is left out when its image cannot be made.
void ShowBanner() {
  if (!ImageLoadFromMemory(ABOUT_BANNER, PICTURE_ABOUT_BANNER)) return;
  PictureCreate(ABOUT_BANNER, 11, 11, 332, 76, ImageUse(ABOUT_BANNER), WS_EX_CLIENTEDGE);
}

void CreateCloseButton() {
  ButtonCreate(ABOUT_CLOSE, CLOSE_X, CLOSE_Y, CLOSE_WIDTH, CLOSE_HEIGHT, CLOSE_CAPTION);
  for (int32_t key : CLOSE_SHORTCUTS) ShortcutAdd(ABOUT_WINDOW, key, ABOUT_CLOSE);
  ShortcutAddMnemonic(ABOUT_WINDOW, CLOSE_CAPTION, ABOUT_CLOSE);
  SetGadgetFont(ABOUT_CLOSE, 8, FONT_BOLD);
}

void OpenMailLink() {
  TempScope scope;
  ShellOpen(StrJoin(MAIL_SCHEME, MAKER_EMAIL));
}

// True when the event ends the window.
bool HandleEvent(int32_t event) {
  const int32_t number = EventObject();
  switch (event) {
    case EVENT_CLOSE:
      return EventWindowNumber() == ABOUT_WINDOW;
    case EVENT_COMMAND:
      return number == ABOUT_CLOSE;
    case EVENT_GADGET:
      if (number == ABOUT_MAIL_LINK) OpenMailLink();
      if (number == ABOUT_WEB_LINK) ShellOpen(MAKER_WEB_PAGE);
      return number == ABOUT_CLOSE;
    default:
      return false;
  }
}

}  // namespace

HWND OpenAboutWindow() {
  HWND window = SideWindowOpen(ABOUT_WINDOW, WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT,
                               TITLE);
  if (!window) return nullptr;
  DisableMainWindow();
  if (!SideGadgetListOpen(window)) {
    CloseSideWindow(ABOUT_WINDOW);
    return nullptr;
  }
  ShowBanner();
  for (const TextLayout& t : TEXTS) CreateText(t);
  CreateCloseButton();
  WindowSetHidden(ABOUT_WINDOW, 0);
  GadgetSetTooltip(ABOUT_CLOSE, CLOSE_TIP);
  return WindowHandle(ABOUT_WINDOW);
}

void RunAboutWindow() {
  if (!OpenAboutWindow()) return;
  int32_t quit = 0;
  while (quit == 0) {
    TempScope scope;
    if (HandleEvent(EventWait())) quit = 1;
  }
  CloseSideWindow(ABOUT_WINDOW);
}
