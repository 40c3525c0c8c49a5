// Keeps the chronicle on a thread of its own, so that the game never waits
// for the disk. Entries are queued as they come and written in order, each in
// a transaction of its own. What cannot be written yet (the database locked by
// another program, the disk full, the file read-only) stays queued and is
// tried again with the next entry and once more when the writer stops; each
// kind of problem is reported once.
//
//   ChronicleWriter writer(DefaultChroniclePath(), [](ChronicleProblem p, QString file) {...});
//   writer.Post(entry, QDateTime::currentSecsSinceEpoch());
//
// The database is opened as soon as the writer starts, so a damaged file is
// set aside (and reported) before the first game ends.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include <QString>

#include "chronicle/ChronicleStore.h"

namespace tolva {

class ChronicleWriter {
 public:
  // Both are called on the writer's thread. `file` is the chronicle's path,
  // or for SetAside where the damaged file now is.
  using ProblemReport = std::function<void(ChronicleProblem problem, const QString& file)>;
  using Written = std::function<void()>;  // entries have reached the file

  ChronicleWriter(QString path, ProblemReport report, Written written = {});
  // Writes what it can of the queue, then stops.
  ~ChronicleWriter();
  ChronicleWriter(const ChronicleWriter&) = delete;
  ChronicleWriter& operator=(const ChronicleWriter&) = delete;

  void Post(ChronicleEntry entry, std::int64_t when);
  // Returns once every entry posted so far has been tried (tests and the
  // benchmark); the entries still queued after that.
  std::size_t WaitUntilTried();

 private:
  struct Pending {
    ChronicleEntry entry;
    std::int64_t when = 0;
  };
  void Run();
  void Report(ChronicleProblem problem, const QString& file);

  QString path_;
  ProblemReport report_;
  Written written_;
  std::set<ChronicleProblem> reported_;  // the writer's thread only

  std::mutex mutex_;
  std::condition_variable wake_;   // new entries, or the stop
  std::condition_variable tried_;  // the queue has been worked through
  std::deque<Pending> queue_;
  std::uint64_t posted_ = 0;  // entries posted so far
  std::uint64_t triedUpTo_ = 0;  // posted_ when the thread last worked through the queue
  bool stopping_ = false;
  std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace tolva
