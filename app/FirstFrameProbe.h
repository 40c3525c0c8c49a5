// When the program shows its table for the first time, for start-up
// measurements. With the environment variable TOLVA_FIRST_FRAME_REPORT naming
// a file, the first paint of the table's window with its pictures loaded
// writes into it the moment it ended, on the system's monotonic clock (the
// one Python's time.monotonic() reads), in nanoseconds:
//
//   first_frame_monotonic_ns=81234567890
//
// Without the variable nothing is written.
#pragma once

namespace tolva {

inline constexpr char kFirstFrameReportVariable[] = "TOLVA_FIRST_FRAME_REPORT";

// Writes the report the first time it is called; later calls do nothing.
void NoteFirstFrame();

}  // namespace tolva
