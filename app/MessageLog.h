// What the program said and played, for tests that run the real program.
//
// With the environment variable TOLVA_MESSAGE_LOG naming a file, every box the
// program shows is added to it as one line of JSON as it opens, taken from
// the box itself:
//
//   {"icon":"critical","text":"TolvaGameSys.dll\nファイルの読み込みに失敗しました","title":"TolvaGame"}
//
// With TOLVA_CUE_LOG naming a file, every sound cue the game plays is added as
// it ends its part in the game: when it started and, for one played to its
// end, when the game went on; milliseconds of the system's monotonic clock
// (CLOCK_MONOTONIC), so a recording of the sound can be laid beside them.
// "heard" is false where no audio device plays it:
//
//   {"end":5012346,"heard":true,"start":5011526,"toEnd":true,"wave":159}
//
// Without the variables nothing is written.
#pragma once

#include <cstdint>

class QMessageBox;

namespace tolva {

inline constexpr char kMessageLogVariable[] = "TOLVA_MESSAGE_LOG";
inline constexpr char kCueLogVariable[] = "TOLVA_CUE_LOG";

void LogShownMessage(const QMessageBox& box);

struct PlayedCue {
  int wave = 0;
  bool toEnd = false;
  bool heard = false;
  std::int64_t startMs = 0;
  std::int64_t endMs = 0;  // for a cue played to its end
};
void LogPlayedCue(const PlayedCue& cue);

// The clock of the cue log.
std::int64_t MonotonicMs();

}  // namespace tolva
