// Platform messages and real input turned into events by EventWait: clicks,
// shortcuts, closing, focus movement and the recorded-event rule.
#include <gtest/gtest.h>

#include "gui/gadget.h"
#include "gui/window.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/input.h"

namespace {

void ClickAt(POINT point) { input::Click(point.x, point.y); }

bool Has(const std::vector<LoggedEvent>& events, int32_t code) {
  return !WithCode(events, code).empty();
}

// The point of the window's close box, found by hit-testing its top edge.
POINT CloseBox(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  for (int y = r.top; y < r.top + 40; ++y) {
    for (int x = r.right - 1; x > r.right - 60; --x) {
      if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 3, y + 3};
    }
  }
  return {-1, -1};
}

}  // namespace

TEST_F(GuiTest, ClicksAndKeysBecomeGadgetCommandAndRawEvents) {
  HWND window = OpenWindow(10);
  HWND button = ButtonCreate(40, 10, 10, 100, 30, "Press");
  ShortcutAdd(10, VK_ESCAPE, 117);
  Events();

  ClickAt(input::Centre(button));
  auto gadgets = WithCode(Events(), EVENT_GADGET);
  ASSERT_EQ(gadgets.size(), 1u);
  EXPECT_EQ(gadgets[0].object, 40);
  EXPECT_EQ(gadgets[0].detail, DETAIL_LEFT_CLICK);
  EXPECT_EQ(gadgets[0].window, 10);

  // A part of the window that no control covers: only the raw press.
  ClickAt(input::ScreenPoint(window, 250, 150));
  auto events = Events();
  EXPECT_FALSE(Has(events, EVENT_GADGET));
  ASSERT_TRUE(Has(events, WM_LBUTTONDOWN));
  EXPECT_EQ(WithCode(events, WM_LBUTTONDOWN)[0].window, 10);

  input::KeyPress(VK_ESCAPE);
  auto commands = WithCode(Events(), EVENT_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].object, 117);
  EXPECT_EQ(commands[0].window, 10);

  // The same key where the active window has no such shortcut.
  OpenWindow(11);
  input::KeyPress(VK_ESCAPE);
  events = Events();
  EXPECT_FALSE(Has(events, EVENT_COMMAND));
  EXPECT_TRUE(Has(events, WM_KEYDOWN));
}

TEST_F(GuiTest, CloseRequestsLeaveTheWindowOpen) {
  HWND window = OpenWindow(10);
  POINT box = CloseBox(window);
  ASSERT_NE(box.x, -1);
  // The test display runs Wine's windows unmanaged, so Wine draws the frame
  // and the close box takes a real click as it does on Windows.
  ASSERT_EQ(WindowFromPoint(box), window);
  ClickAt(box);
  auto closes = WithCode(Events(), EVENT_CLOSE);
  ASSERT_EQ(closes.size(), 1u);
  EXPECT_EQ(closes[0].window, 10);

  input::KeyPress(VK_F4, input::ALT);
  EXPECT_EQ(WithCode(Events(), EVENT_CLOSE).size(), 1u);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(WindowHandle(10), window);

  // A callback's own answer ends the message there.
  WindowSetCallback([](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
    return message == WM_CLOSE ? 5 : CALLBACK_CONTINUE;
  });
  EXPECT_EQ(SendMessageA(window, WM_CLOSE, 0, 0), 5);
  EXPECT_TRUE(WithCode(Events(), EVENT_CLOSE).empty());
}

TEST_F(GuiTest, EventsRecordedBetweenWaitsComeWithTheNextWait) {
  HWND window = OpenWindow(12);
  TextFieldCreate(50, 10, 10, 80, 24, "", 0);
  Events();
  GadgetSetText(50, "7");
  EXPECT_EQ(EventObject(), 50);
  EXPECT_EQ(EventDetail(), 768);
  PostMessageA(window, WM_NULL, 0, 0);
  EXPECT_EQ(EventWait(), EVENT_GADGET);
  EXPECT_EQ(EventObject(), 50);
  // Kept with its event rather than reset by the wait.
  EXPECT_EQ(EventDetail(), 768);

  // Size changes are pending: delivered without reading a message.
  WindowSelect(12);
  WindowResize(200, 100);
  EXPECT_EQ(EventWait(), EVENT_SIZE);
  EXPECT_EQ(EventWindowNumber(), 12);
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_FALSE(Has(Events(), EVENT_SIZE));
}

TEST_F(GuiTest, ButtonClickedWhileAFieldHasTheFocus) {
  OpenWindow(14);
  HWND field = TextFieldCreate(60, 10, 10, 80, 24, "", 0);
  HWND button = ButtonCreate(61, 10, 50, 80, 30, "Go");
  SetFocus(field);
  Events();

  ClickAt(input::Centre(button));
  auto gadgets = WithCode(Events(), EVENT_GADGET);
  ASSERT_EQ(gadgets.size(), 3u);
  EXPECT_EQ(gadgets[0].object, 60);
  EXPECT_EQ(gadgets[0].detail, 512);
  EXPECT_EQ(gadgets[1].object, 60);
  EXPECT_EQ(gadgets[1].detail, DETAIL_LOST_FOCUS);
  EXPECT_EQ(gadgets[2].object, 61);
  EXPECT_EQ(gadgets[2].detail, DETAIL_LEFT_CLICK);

  // The button has the focus now: its press records nothing of its own.
  input::AwaitDoubleClickTime();
  POINT centre = input::Centre(button);
  input::MouseMove(centre.x, centre.y);
  input::MouseDown();
  auto events = Events();
  EXPECT_FALSE(Has(events, EVENT_GADGET));
  EXPECT_TRUE(Has(events, WM_LBUTTONDOWN));
  input::MouseUp();
  gadgets = WithCode(Events(), EVENT_GADGET);
  ASSERT_EQ(gadgets.size(), 1u);
  EXPECT_EQ(gadgets[0].object, 61);
}

TEST_F(GuiTest, TabAndShiftTabWrapOverEnabledVisibleTabStops) {
  HWND window = OpenWindow(15, 320, 260);
  HWND first = TextFieldCreate(70, 10, 10, 80, 24, "", 0);
  ButtonCreate(71, 10, 40, 80, 24, "Disabled");
  HWND middle = ButtonCreate(72, 10, 70, 80, 24, "Middle");
  LabelCreate(73, 10, 100, 80, 24, "No stop", 0);
  HWND hidden = ButtonCreate(74, 10, 130, 80, 24, "Hidden");
  HWND last = TextFieldCreate(75, 10, 160, 80, 24, "", 0);
  GadgetDisable(71, 1);
  ShowWindow(hidden, SW_HIDE);

  struct Step {
    uint32_t modifiers;
    HWND expected;
  };
  const Step steps[] = {{input::NONE, middle}, {input::NONE, last}, {input::NONE, first},
                        {input::SHIFT, last},  {input::SHIFT, middle}, {input::SHIFT, first}};
  SetFocus(first);
  Events();
  for (const Step& step : steps) {
    input::KeyPress(VK_TAB, step.modifiers);
    auto events = Events();
    EXPECT_EQ(GetFocus(), step.expected);
    EXPECT_FALSE(Has(events, EVENT_COMMAND));
  }
  // From field to field: the key's own wait returns the last notification
  // recorded while the focus moved, then come the two posted reports.
  input::KeyPress(VK_TAB, input::SHIFT);
  auto gadgets = WithCode(Events(), EVENT_GADGET);
  ASSERT_EQ(gadgets.size(), 3u);
  EXPECT_EQ(gadgets[0].object, 75);
  EXPECT_EQ(gadgets[0].detail, 256);
  EXPECT_EQ(gadgets[1].object, 70);
  EXPECT_EQ(gadgets[1].detail, DETAIL_LOST_FOCUS);
  EXPECT_EQ(gadgets[2].object, 75);
  EXPECT_EQ(gadgets[2].detail, DETAIL_FOCUS);

  // Without a focused control: forward to the first, backward to the last.
  SetFocus(window);
  input::KeyPress(VK_TAB);
  Events();
  EXPECT_EQ(GetFocus(), first);
  SetFocus(window);
  input::KeyPress(VK_TAB, input::SHIFT);
  Events();
  EXPECT_EQ(GetFocus(), last);
}
