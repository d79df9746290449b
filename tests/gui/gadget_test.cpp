// The gadget kinds in a real window: pictures, sliders, links, tooltips,
// check boxes, fonts, long texts and numbers that hold no gadget.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/strings.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/input.h"

namespace {

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

HBITMAP SolidBitmap(int size, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all = {0, 0, size, size};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

SIZE OuterSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Pixels of the control's screen area that have exactly this colour.
int CountOnScreen(HWND control, COLORREF colour) {
  RECT r;
  GetWindowRect(control, &r);
  int count = 0;
  for (COLORREF pixel : input::ScreenArea(r)) count += pixel == colour;
  return count;
}

std::vector<LoggedEvent> GadgetEvents(const std::vector<LoggedEvent>& events) {
  return WithCode(events, EVENT_GADGET);
}

std::vector<int32_t> DetailsOf(const std::vector<LoggedEvent>& events) {
  std::vector<int32_t> details;
  for (const LoggedEvent& e : WithCode(events, EVENT_GADGET)) details.push_back(e.detail);
  return details;
}

HWND FindTooltip() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        char name[32];
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

TEST_F(GuiTest, PictureTakesItsImageSizeAndReportsClicks) {
  OpenWindow(20, 300, 200);
  HBITMAP image = SolidBitmap(26, BLUE);
  HWND plain = PictureCreate(80, 10, 10, 10, 10, image, 0);
  HWND sunken = PictureCreate(81, 60, 10, 10, 10, image, WS_EX_CLIENTEDGE);
  EXPECT_EQ(OuterSize(plain).cx, 26);
  EXPECT_EQ(OuterSize(plain).cy, 26);
  EXPECT_EQ(OuterSize(sunken).cx, 30);
  EXPECT_EQ(OuterSize(sunken).cy, 30);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(plain, STM_GETIMAGE, IMAGE_BITMAP, 0)), image);
  Events();

  // Each step on a spot of its own, so that no two steps make a double click.
  POINT centre = input::Centre(plain);
  POINT left = {centre.x - 8, centre.y - 8};
  POINT right = {centre.x + 8, centre.y + 8};
  input::Click(left.x, left.y);
  auto clicks = GadgetEvents(Events());
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].object, 80);
  EXPECT_EQ(clicks[0].detail, DETAIL_LEFT_CLICK);
  input::DoubleClick(right.x, right.y);
  EXPECT_EQ(DetailsOf(Events()),
            (std::vector<int32_t>{DETAIL_LEFT_CLICK, DETAIL_LEFT_DOUBLE_CLICK}));
  input::Click(left.x, left.y, input::Button::RIGHT);
  EXPECT_EQ(DetailsOf(Events()), (std::vector<int32_t>{DETAIL_RIGHT_CLICK}));
  input::DoubleClick(right.x, right.y, input::Button::RIGHT);
  EXPECT_EQ(DetailsOf(Events()),
            (std::vector<int32_t>{DETAIL_RIGHT_CLICK, DETAIL_RIGHT_DOUBLE_CLICK}));

  // Disabled, it looks the same and takes no clicks.
  int blue = CountOnScreen(plain, BLUE);
  EXPECT_EQ(blue, 26 * 26);
  GadgetDisable(80, 1);
  Events();
  EXPECT_EQ(CountOnScreen(plain, BLUE), blue);
  input::Click(centre.x, centre.y);
  EXPECT_TRUE(GadgetEvents(Events()).empty());
}

TEST_F(GuiTest, SliderStartsAtItsMinimumAndMirrorsWhenVertical) {
  OpenWindow(21, 300, 200);
  HWND slider = SliderCreate(90, 10, 10, 150, 30, 1, 3, TBS_AUTOTICKS);
  EXPECT_EQ(GadgetGetState(90), 1);
  GadgetSetState(90, 2);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 2);

  HWND wide = SliderCreate(91, 10, 50, 150, 30, -5, 20000, 0);
  EXPECT_EQ(SendMessageA(wide, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(wide, TBM_GETRANGEMAX, 0, 0), 10000);

  HWND vertical = SliderCreate(92, 200, 10, 30, 150, 1, 3, TBS_VERT);
  EXPECT_EQ(GadgetGetState(92), 1);
  EXPECT_EQ(SendMessageA(vertical, TBM_GETPOS, 0, 0), 3);
  GadgetSetState(92, 3);
  EXPECT_EQ(SendMessageA(vertical, TBM_GETPOS, 0, 0), 1);

  // The keyboard moves it; the report has no detail.
  SetFocus(slider);
  Events();
  input::KeyPress(VK_RIGHT);
  auto gadgets = GadgetEvents(Events());
  ASSERT_FALSE(gadgets.empty());
  EXPECT_EQ(gadgets[0].object, 90);
  EXPECT_EQ(gadgets[0].detail, -1);
  EXPECT_EQ(gadgets[0].window, 21);
  EXPECT_EQ(GadgetGetState(90), 3);
}

TEST_F(GuiTest, TooltipSetTwiceKeepsOneToolWithTheLastText) {
  HWND window = OpenWindow(22);
  HWND button = ButtonCreate(100, 10, 10, 80, 30, "Tip");
  GadgetSetTooltip(100, "First");
  GadgetSetTooltip(100, "Second");
  GadgetSetTooltip(150, "Nobody");
  HWND tooltip = FindTooltip();
  ASSERT_TRUE(tooltip);
  EXPECT_TRUE(GetWindowLongA(tooltip, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[80] = "";
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = text;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "Second");
}

TEST_F(GuiTest, LinkShowsHoverColourUnderThePointerAndReportsTheRelease) {
  HWND window = OpenWindow(23, 300, 120);
  HWND link = LinkCreate(110, 20, 20, 200, 40, "WWWWWW", RED);
  // Large and without smoothing: plenty of pixels in exactly the text colour.
  HFONT font = CreateFontA(32, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                           NONANTIALIASED_QUALITY, 0, "Arial");
  GadgetSetFont(110, font);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), font);
  POINT away = input::ScreenPoint(window, 280, 100);
  POINT centre = input::Centre(link);
  input::MouseMove(away.x, away.y);
  Events();
  EXPECT_EQ(CountOnScreen(link, RED), 0);
  EXPECT_GT(CountOnScreen(link, RGB(0, 0, 0)), 0);

  input::MouseMove(centre.x, centre.y);
  Events();
  EXPECT_EQ(GetCapture(), link);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
  EXPECT_GT(CountOnScreen(link, RED), 0);
  EXPECT_EQ(CountOnScreen(link, RGB(0, 0, 0)), 0);

  input::MouseMove(away.x, away.y);
  Events();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(CountOnScreen(link, RED), 0);

  // The press records nothing; the release is the click.
  input::MouseMove(centre.x, centre.y);
  input::MouseDown();
  auto events = Events();
  EXPECT_TRUE(GadgetEvents(events).empty());
  EXPECT_FALSE(WithCode(events, WM_LBUTTONDOWN).empty());
  input::MouseUp();
  auto clicks = GadgetEvents(Events());
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].object, 110);
  EXPECT_EQ(clicks[0].detail, DETAIL_LEFT_CLICK);
  GadgetFree(110);
  DeleteObject(font);
}

TEST_F(GuiTest, GetTextReadsAtMost31999CharactersIntoTheTextArea) {
  OpenWindow(24);
  HWND label = LabelCreate(120, 10, 10, 100, 20, "", 0);
  std::string longText(40000, 'x');
  SetWindowTextA(label, longText.c_str());
  {
    TempScope scope;
    EXPECT_EQ(StrLen(GadgetGetText(120)), 31999);
    EXPECT_EQ(TempStringAreaUsed(), 32000);
  }
  EXPECT_EQ(TempStringAreaUsed(), 0);
  TextFieldCreate(121, 10, 40, 100, 24, "12", 0);
  TempScope scope;
  EXPECT_STREQ(GadgetGetText(121), "12");
}

TEST_F(GuiTest, GadgetsGoWithTheirControlsAndFreeNumbersDoNothing) {
  OpenWindow(25);
  HFONT font = CreateFontA(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  GadgetSetFont(-1, font);
  HWND first = ButtonCreate(141, 10, 10, 80, 30, "One");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(first, WM_GETFONT, 0, 0)), font);
  HWND second = TextFieldCreate(141, 10, 10, 80, 30, "Two", 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetHandle(141), second);
  GadgetFree(141);
  EXPECT_FALSE(IsWindow(second));
  ButtonCreate(142, 10, 50, 80, 30, "Three");
  WindowClose(25);
  EXPECT_EQ(GadgetHandle(142), nullptr);

  for (int32_t number : {141, 142, 5000, -1}) {
    TempScope scope;
    EXPECT_EQ(GadgetHandle(number), nullptr);
    EXPECT_STREQ(GadgetGetText(number), "");
    EXPECT_EQ(GadgetGetState(number), 0);
    GadgetSetText(number, "x");
    GadgetSetState(number, 1);
    GadgetDisable(number, 1);
    GadgetSetFont(number, FONT_STOCK_DEFAULT);
    GadgetSetTooltip(number, "x");
    GadgetFree(number);
  }
  DeleteObject(font);
}
