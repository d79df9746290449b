// The window layer's event state, shared by the window procedures of the
// window and gadget layers: the recorded event, the pending event, and the
// window whose message was seen last.
#pragma once

#include <windows.h>

#include <cstdint>

// Records an event while a message is being handled; it stays recorded until
// EventWait returns it.
void RecordEvent(int32_t code, int32_t object, int32_t detail);
// An event without object (move, close): the last object stays readable.
void RecordWindowEvent(int32_t code);
// Size and activation: delivered by the next EventWait without reading the
// queue.
void SetPendingEvent(int32_t code, HWND window);

void SetEventWindow(HWND window);
HWND EventWindow();

// The first steps of EventWait: the detail is reset unless an event is still
// recorded, and a pending event is handed over (true) with nothing read.
bool EventWaitBegin(int32_t& code);
// The recorded event, cleared on the way out (true), or false when none.
bool TakeRecordedEvent(int32_t& code);
// The message record that EventWait fills.
MSG& EventMessage();
