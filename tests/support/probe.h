// The probe build's named pipe, shared by the probe and the driver: a client
// writes one request byte and reads the answer, a text, until the probe
// closes its end.
#pragma once

namespace e2e {

inline constexpr char PROBE_PIPE_PREFIX[] = R"(\\.\pipe\tessel-probe-)";  // + process id
// Requests: the number of GDI objects the process holds; the help requests
// ("file|topic" lines) and the addresses handed to the shell (one a line).
inline constexpr char PROBE_GDI_COUNT = 'G';
inline constexpr char PROBE_HELP_LOG = 'H';
inline constexpr char PROBE_SHELL_LOG = 'S';

// Names what the probe build is to see fail: "markerList" or "cellGrid"
// (start-up's allocations), "sideWindow" or "sideGadgetList".
inline constexpr char PROBE_REFUSE_VARIABLE[] = "TESSEL_REFUSE";

}  // namespace e2e
