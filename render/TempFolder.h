// The program's temporary folder, where it keeps the card back picture the
// player chose ("CardBack.jpg"), the cache of the card backs ("CardBack.bmp")
// and the card face sheet's working copy ("card.jpeg").
//
// The system's temporary folder is shared by every user of the machine, so
// the game's folder there is checked before every use: a real folder, not a
// link, that belongs to the player and that nobody else may write to (one
// that others may only read becomes the player's alone). In order:
//
//   $TMPDIR/TolvaGame                 made when missing, readable by its owner only
//   $TMPDIR/TolvaGame-<uid>           when another user has the first name
//   $TMPDIR/TolvaGame-<uid>-XXXXXX    a fresh folder when someone else took that
//                                     name too; found again at the next start
//
// Files in it are written by WriteTempFile, never through a link.
#pragma once

#include <QByteArray>
#include <QString>

#include "render/Messages.h"

namespace tolva {

// The folder in use, or the one that could not be made and why.
struct TempFolderCheck {
  QString path;
  int reason = 0;  // 0: usable; else the string-table line of what is wrong
};
TempFolderCheck PrivateTempFolder();

// Tells 30002 with `path` and the reason before it.
void TellFileProblem(const MessageSink& messages, const QString& path, int reason);
// The same for a file of the temporary folder that could not be written: with
// the folder's path (a full disk is the folder's problem, the same for all its
// files), or the file's when the name holds something that is no file.
void TellTempFileProblem(const MessageSink& messages, const QString& path, int reason);

// The folder's path; with a non-empty subfolder that folder below it, also
// made. Empty text when it cannot be used, after 30002 with the folder's path
// and what is wrong, told once a run.
QString TempFolder(const QString& subfolder, const MessageSink& messages);

// Writes `bytes` as the file `path` in a checked temporary folder: into a new
// file beside it, then renamed over the name, so that a reader never sees half
// a file and a link under the name is replaced, not followed. 0, or the
// string-table line of what went wrong.
int WriteTempFile(const QString& path, const QByteArray& bytes);

}  // namespace tolva
