#include "app/PeekLauncher.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include "app/StartUp.h"

namespace tolva {

namespace {
constexpr char kPeekSwitch[] = "/W";
constexpr qint64 kCommandLineLimit = 64 * 1024;
}  // namespace

PeekLauncher::PeekLauncher(QString program) : program_(std::move(program)) {}

bool PeekLauncher::Start() {
  const QString program =
      program_.isEmpty() ? QCoreApplication::applicationFilePath() : program_;
  qint64 pid = 0;
  if (!enabled_ || program.isEmpty() ||
      !QProcess::startDetached(program, {QString::fromLatin1(kPeekSwitch)}, QString(), &pid))
    return false;
  pid_ = pid;
  return true;
}

bool PeekLauncher::Running() const { return pid_ > 0 && IsPeekProcess(pid_); }

bool IsPeekProcess(qint64 pid) {
  if (pid <= 0) return false;
  QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
  if (!file.open(QIODevice::ReadOnly)) return false;
  // The arguments, each ended by a zero byte; empty for a process that has
  // ended and not yet been reaped.
  const QByteArray bytes = file.read(kCommandLineLimit);
  QStringList arguments;
  for (const QByteArray& argument : bytes.split('\0')) arguments << QString::fromLocal8Bit(argument);
  return HasPeekSwitch(arguments);
}

}  // namespace tolva
