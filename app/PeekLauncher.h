// Starts the peek window's process, a second instance of this program with
// "/W", and tells whether the one it started last still runs.
//
// The peek window clears its "CunningView" flag when it closes; one that is
// killed cannot, and the flag would then block every later peek. Knowing its
// own peek's process lets the game see through such a stale flag.
#pragma once

#include <QString>
#include <QtGlobal>

namespace tolva {

class PeekLauncher {
 public:
  // `program` empty: this program's own executable.
  explicit PeekLauncher(QString program = {});
  void SetProgram(QString program) { program_ = std::move(program); }

  // Starts the program detached with "/W"; false when it could not be started.
  bool Start();
  // From now on Start() starts nothing and answers false.
  void Disable() { enabled_ = false; }
  // The process Start() started last is still running as a peek instance
  // (false when none was started, when it has ended, and when its process
  // number now belongs to another program).
  bool Running() const;
  qint64 ProcessId() const { return pid_; }

 private:
  QString program_;
  qint64 pid_ = 0;
  bool enabled_ = true;
};

// Whether the process `pid` runs with the peek switch on its command line,
// read from /proc (a process that has ended has no command line there).
bool IsPeekProcess(qint64 pid);

}  // namespace tolva
