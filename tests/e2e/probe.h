// The probe build's named pipe, shared by the probe and the driver: a client
// writes one request byte and reads the answer as a 32-bit integer.
#pragma once

namespace e2e {

// Followed by the decimal process id.
inline constexpr char PROBE_PIPE_PREFIX[] = R"(\\.\pipe\tessel-probe-)";
// Answered with the number of GDI objects the process holds.
inline constexpr char PROBE_GDI_COUNT = 'G';

// Names the start-up allocation the probe build is to see refused.
inline constexpr char PROBE_REFUSE_VARIABLE[] = "TESSEL_REFUSE";

}  // namespace e2e
