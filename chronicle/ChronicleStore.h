// The chronicle's database file, written through Qt SQL (SQLite): opening it
// (its folder and the file made when missing, a damaged file set aside and a
// new chronicle begun, the tables brought to this program's version) and
// writing each entry in a transaction of its own. What goes wrong is answered
// as a ChronicleProblem, never thrown and never fatal: the game goes on
// without its chronicle, and the purses never depend on it.
//
//   ChronicleStore store(DefaultChroniclePath());
//   store.Write(GameFinished{...}, QDateTime::currentSecsSinceEpoch());
//
// A store is used on the thread that made it (a Qt SQL connection belongs to
// its thread); the program's ChronicleWriter keeps one on a thread of its own.
#pragma once

#include <cstdint>
#include <memory>

#include <QString>

#include "table/Chronicle.h"

class QSqlError;

namespace tolva {

enum class ChronicleProblem {
  None,
  SetAside,     // the file was damaged: it was renamed, never deleted, and a new one begun
  Locked,       // another program holds the database
  DiskFull,
  ReadOnly,     // the file or its folder cannot be written
  Unavailable,  // the folder or the file cannot be made or opened, or it is no regular file
  Newer,        // made by a later version of the program: left untouched
};

// $XDG_DATA_HOME/TolvaGame/chronicle.sqlite ($XDG_DATA_HOME: ~/.local/share by default).
QString DefaultChroniclePath();

class ChronicleStore {
 public:
  // `connectionName` names the Qt SQL connection (tests reach it by name);
  // by default each store gets a name of its own.
  explicit ChronicleStore(QString path, QString connectionName = {});
  ~ChronicleStore();
  ChronicleStore(const ChronicleStore&) = delete;
  ChronicleStore& operator=(const ChronicleStore&) = delete;

  // Opens the database when it is not open: None once it is usable. SetAside
  // also means usable: the damaged file was set aside (SetAsidePath) and a
  // new chronicle begun.
  ChronicleProblem Open();
  bool IsOpen() const;
  void Close();

  // Writes one entry, stamped `when` (seconds since the epoch), in one
  // transaction; opens the database first when it is not open. A database
  // found damaged on the way is set aside and the entry written to a new one
  // (SetAside). On any other problem nothing of the entry was written.
  ChronicleProblem Write(const ChronicleEntry& entry, std::int64_t when);

  const QString& Path() const { return path_; }
  const QString& ConnectionName() const { return connection_; }
  // Where the last damaged file was put.
  const QString& SetAsidePath() const { return setAside_; }

 // The meaning of an SQLite error (ChronicleStore.cpp).
  enum class Fault;

 private:
  struct Statements;
  // One attempt: None when open, SetAside when the file is damaged (and
  // closed again), any other problem otherwise.
  ChronicleProblem OpenOnce();
  Fault Connect();
  // The damaged file set aside and a new one opened: SetAside when usable.
  ChronicleProblem StartAfresh();
  QSqlError WriteOnce(const ChronicleEntry& entry, std::int64_t when);
  // Renames the damaged file with today's date and time, with its journal.
  bool SetAside();

  QString path_;
  QString connection_;
  QString setAside_;
  std::unique_ptr<Statements> statements_;  // prepared once the database is open
};

}  // namespace tolva
