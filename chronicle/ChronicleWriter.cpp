#include "chronicle/ChronicleWriter.h"

namespace tolva {

namespace {
// Entries kept while nothing can be written: far more games than a session
// plays. Beyond it new entries are skipped rather than memory spent.
constexpr std::size_t kMaxQueued = 10000;
}  // namespace

ChronicleWriter::ChronicleWriter(QString path, ProblemReport report, Written written)
    : path_(std::move(path)),
      report_(std::move(report)),
      written_(std::move(written)),
      thread_([this] { Run(); }) {}

ChronicleWriter::~ChronicleWriter() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void ChronicleWriter::Post(ChronicleEntry entry, std::int64_t when) {
  {
    const std::lock_guard lock(mutex_);
    ++posted_;
    if (queue_.size() < kMaxQueued) queue_.push_back({std::move(entry), when});
  }
  wake_.notify_one();
}

std::size_t ChronicleWriter::WaitUntilTried() {
  std::unique_lock lock(mutex_);
  tried_.wait(lock, [&] { return triedUpTo_ >= posted_; });
  return queue_.size();
}

void ChronicleWriter::Report(ChronicleProblem problem, const QString& file) {
  if (problem == ChronicleProblem::None || !reported_.insert(problem).second) return;
  if (report_) report_(problem, file);
}

void ChronicleWriter::Run() {
  ChronicleStore store(path_);  // its connection belongs to this thread
  const ChronicleProblem opened = store.Open();
  Report(opened, opened == ChronicleProblem::SetAside ? store.SetAsidePath() : path_);

  std::unique_lock lock(mutex_);
  std::uint64_t seen = 0;  // posted_ when the last pass began
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || posted_ != seen; });
    seen = posted_;
    const bool last = stopping_;
    bool wrote = false;
    // Only this thread takes entries off the queue: the front stays where it
    // is while it is written unlocked.
    while (!queue_.empty()) {
      const Pending next = queue_.front();
      lock.unlock();
      const ChronicleProblem problem = store.Write(next.entry, next.when);
      const bool written = problem == ChronicleProblem::None || problem == ChronicleProblem::SetAside;
      Report(problem, problem == ChronicleProblem::SetAside ? store.SetAsidePath() : path_);
      lock.lock();
      if (!written) break;  // it and those after it wait for the next try
      queue_.pop_front();
      wrote = true;
    }
    triedUpTo_ = seen;
    tried_.notify_all();
    if (wrote && written_) {
      lock.unlock();
      written_();
      lock.lock();
    }
    if (last) return;
  }
}

}  // namespace tolva
