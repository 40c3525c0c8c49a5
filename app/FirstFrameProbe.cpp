#include "app/FirstFrameProbe.h"

#include <QSaveFile>
#include <QString>
#include <ctime>

namespace tolva {

void NoteFirstFrame() {
  static bool noted = false;
  if (noted) return;
  noted = true;
  const QString path = qEnvironmentVariable(kFirstFrameReportVariable);
  if (path.isEmpty()) return;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const qint64 ns = static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(QByteArray("first_frame_monotonic_ns=") + QByteArray::number(ns) + '\n') >= 0)
    file.commit();
}

}  // namespace tolva
