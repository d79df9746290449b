// Screenshots from tests: the whole screen as a bitmap file in the folder
// that TESSEL_SCREENSHOT_DIR names (the test script turns them into PNGs).
#pragma once

// Writes NAME.bmp; does nothing when no folder is set. False on failure.
bool SaveScreenshot(const char* name);
