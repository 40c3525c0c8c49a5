// $TMPDIR pointed into a scratch folder of the test's own while it lives, so
// that the system's temporary folder is left alone and can be made unusable.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <unistd.h>

namespace tolva::testing {

struct OwnTemporaryFolder {
  QTemporaryDir scratch;
  QByteArray saved = qgetenv("TMPDIR");

  OwnTemporaryFolder() { UseAsTmpdir(scratch.path()); }
  ~OwnTemporaryFolder() { qputenv("TMPDIR", saved); }
  OwnTemporaryFolder(const OwnTemporaryFolder&) = delete;
  OwnTemporaryFolder& operator=(const OwnTemporaryFolder&) = delete;

  static void UseAsTmpdir(const QString& path) { qputenv("TMPDIR", path.toLocal8Bit()); }
  QString Shared() const { return scratch.filePath(QStringLiteral("TolvaGame")); }
  QString OwnBeside() const { return Shared() + '-' + QString::number(::geteuid()); }
};

}  // namespace tolva::testing
