#include "app/MessageLog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <chrono>

namespace tolva {

namespace {

QString IconName(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::Critical: return QStringLiteral("critical");
    case QMessageBox::Information: return QStringLiteral("information");
    case QMessageBox::Question: return QStringLiteral("question");
    case QMessageBox::Warning: return QStringLiteral("warning");
    case QMessageBox::NoIcon: break;
  }
  return QStringLiteral("none");
}

void AppendEntry(const char* variable, const QJsonObject& entry) {
  const QString path = qEnvironmentVariable(variable);
  if (path.isEmpty()) return;
  // One whole line per write, so a reader never meets half an entry.
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Append))
    file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}

}  // namespace

void LogShownMessage(const QMessageBox& box) {
  AppendEntry(kMessageLogVariable, {{QStringLiteral("title"), box.windowTitle()},
                                    {QStringLiteral("icon"), IconName(box.icon())},
                                    {QStringLiteral("text"), box.text()}});
}

void LogPlayedCue(const PlayedCue& cue) {
  QJsonObject entry{{QStringLiteral("wave"), cue.wave},
                    {QStringLiteral("toEnd"), cue.toEnd},
                    {QStringLiteral("heard"), cue.heard},
                    {QStringLiteral("start"), static_cast<qint64>(cue.startMs)}};
  if (cue.toEnd) entry.insert(QStringLiteral("end"), static_cast<qint64>(cue.endMs));
  AppendEntry(kCueLogVariable, entry);
}

std::int64_t MonotonicMs() {
  // steady_clock is CLOCK_MONOTONIC with GCC's library on Linux.
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace tolva
