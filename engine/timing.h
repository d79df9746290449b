// The millisecond tick and the blocking pause.
#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping at 2^32.
int32_t Milliseconds();
// Blocks the thread; no events are processed meanwhile.
void Pause(int32_t ms);
