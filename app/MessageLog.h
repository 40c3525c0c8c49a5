// What the message boxes said, for tests that run the real program. With the
// environment variable TOLVA_MESSAGE_LOG naming a file, every box the program
// shows is added to it as one line of JSON as it opens, taken from the box
// itself:
//
//   {"icon":"critical","text":"TolvaGameSys.dll\nファイルの読み込みに失敗しました","title":"TolvaGame"}
//
// Without the variable nothing is written.
#pragma once

class QMessageBox;

namespace tolva {

inline constexpr char kMessageLogVariable[] = "TOLVA_MESSAGE_LOG";

void LogShownMessage(const QMessageBox& box);

}  // namespace tolva
