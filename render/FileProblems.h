// What is wrong with a file or folder of the player's, as the program tells
// it: the path and a line of the string table that says what is wrong, put
// before the message's own text, as 30052 carries a file name:
//
//   /tmp/TolvaGame
//   ディスクの空き容量が足りません
//   ファイルの読み込みに失敗しました
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

namespace tolva {

// The string-table number of the line for a system error number (errno).
int ReasonFor(int error);

// "<path>\n<the reason's line>\n".
std::string ProblemPrefix(const QString& path, int reason);

// Why a file that could not be written at `path` could not be: its own
// permission, its folder's, a read-only file system, no room for `bytes`
// more, or else an input/output error. A guess after the fact, for writers
// that do not say why they failed.
int WriteFailureReason(const QString& path, qint64 bytes);

}  // namespace tolva
