#include "app/MessageLog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>

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

}  // namespace

void LogShownMessage(const QMessageBox& box) {
  const QString path = qEnvironmentVariable(kMessageLogVariable);
  if (path.isEmpty()) return;
  const QJsonObject entry{{QStringLiteral("title"), box.windowTitle()},
                          {QStringLiteral("icon"), IconName(box.icon())},
                          {QStringLiteral("text"), box.text()}};
  // One whole line per write, so a reader never meets half an entry.
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Append))
    file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}

}  // namespace tolva
