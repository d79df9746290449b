// The one set of event state of the program: what the window procedures
// recorded, what is pending, and the message EventWait took last.
#include "gui/event_state.h"

#include "gui/window.h"

namespace {

int32_t eventCode;
int32_t pendingCode;
HWND pendingWindow;
int32_t eventObject;
int32_t eventDetail = -1;
HWND eventWindow;
MSG eventMessage;

}  // namespace

void RecordEvent(int32_t code, int32_t object, int32_t detail) {
  eventCode = code;
  eventObject = object;
  eventDetail = detail;
}

void RecordWindowEvent(int32_t code) {
  eventCode = code;
  eventDetail = -1;
}

void SetPendingEvent(int32_t code, HWND window) {
  pendingCode = code;
  pendingWindow = window;
}

void SetEventWindow(HWND window) { eventWindow = window; }

HWND EventWindow() { return eventWindow; }

bool EventWaitBegin(int32_t& code) {
  // An event recorded between two waits keeps the detail it was recorded
  // with, so that it is returned whole.
  if (!eventCode) eventDetail = -1;
  if (!pendingCode) return false;
  code = pendingCode;
  eventWindow = pendingWindow;
  pendingCode = 0;
  eventCode = 0;
  eventDetail = -1;
  return true;
}

bool TakeRecordedEvent(int32_t& code) {
  if (!eventCode) return false;
  code = eventCode;
  eventCode = 0;
  return true;
}

MSG& EventMessage() { return eventMessage; }

int32_t EventObject() { return eventObject; }

int32_t EventDetail() { return eventDetail; }
