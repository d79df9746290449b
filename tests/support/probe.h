// The probe build's named pipe, shared by the probe and the driver: a client
// writes one request byte and reads the answer, a text, as one message.
#pragma once

namespace e2e {

inline constexpr char PROBE_PIPE_PREFIX[] = R"(\\.\pipe\tessel-probe-)";  // + process id
// Requests: the number of GDI objects the process holds; the log of help
// requests ("help|file|topic" lines for the classic viewer, "html|location|
// command" for the HTML one) and shell-opens ("shell|verb|file|
// parameters|directory|show" lines) in the order they came.
inline constexpr char PROBE_GDI_COUNT = 'G';
inline constexpr char PROBE_LOG = 'L';

// Names what the probe build is to see fail: "markerList" or "cellGrid"
// (start-up's allocations), "sideWindow" or "sideGadgetList"; "htmlHelp"
// leaves it without an HTML help viewer, as without "hhctrl.ocx";
// "searchGuard" lowers the complete search's guard to PROBE_SEARCH_GUARD
// placements, which a hard puzzle reaches.
inline constexpr char PROBE_REFUSE_VARIABLE[] = "TESSEL_REFUSE";
inline constexpr int PROBE_SEARCH_GUARD = 50;

}  // namespace e2e
