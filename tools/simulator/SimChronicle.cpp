#include "tools/simulator/SimChronicle.h"

#include <variant>

#include <QCoreApplication>
#include <QDateTime>

#include "chronicle/ChronicleStore.h"

namespace tolva::sim {

namespace {

constexpr std::int64_t kSecondsPerGame = 180;

std::string Describe(ChronicleProblem problem, const QString& path) {
  const std::string file = path.toStdString();
  switch (problem) {
    case ChronicleProblem::None: return {};
    case ChronicleProblem::SetAside: return {};  // a new chronicle was begun: all is well
    case ChronicleProblem::Locked: return file + " is locked by another program";
    case ChronicleProblem::DiskFull: return "the disk holding " + file + " is full";
    case ChronicleProblem::ReadOnly: return file + " cannot be written";
    case ChronicleProblem::Unavailable: return file + " cannot be opened";
    case ChronicleProblem::Newer: return file + " was made by a later version";
  }
  return {};
}

}  // namespace

struct SimChronicle::Store {
  explicit Store(const std::string& path) {
    // Qt SQL loads its SQLite driver as a plug-in, which wants an application
    // object; the simulator has none of its own.
    if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);
    store = std::make_unique<ChronicleStore>(QString::fromStdString(path));
  }
  int argc = 1;
  char name[10] = "tolva-sim";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QCoreApplication> application;
  std::unique_ptr<ChronicleStore> store;  // after the application, before it goes
};

SimChronicle::SimChronicle(const std::string& path)
    : store_(std::make_unique<Store>(path)), clock_(QDateTime::currentSecsSinceEpoch()) {
  const ChronicleProblem opened = store_->store->Open();
  if (opened == ChronicleProblem::SetAside)
    notice_ = path + " was damaged: it is kept as " + store_->store->SetAsidePath().toStdString() +
              ", and a new chronicle was begun";
  problem_ = Describe(opened, store_->store->Path());
}

SimChronicle::~SimChronicle() { store_->store.reset(); }

void SimChronicle::Keep(const ChronicleEntry& entry) {
  if (!problem_.empty()) return;
  if (std::holds_alternative<GameFinished>(entry)) clock_ += kSecondsPerGame;
  problem_ = Describe(store_->store->Write(entry, clock_), store_->store->Path());
}

}  // namespace tolva::sim
