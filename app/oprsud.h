// The About window.
#pragma once

// Opens the About window and returns when it has closed.
void RunAboutWindow();
