// Runs the dialog tests inside a QApplication on the offscreen platform. The
// user's profile, chronicle and temporary folder are never touched:
// XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_RUNTIME_DIR and TMPDIR point into a
// folder made for this process, so
// parallel test processes never share "TolvaGame/CardBack.jpg".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  const auto folder = [&](const char* name) {
    const QString path = home.filePath(QString::fromLatin1(name));
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path.toLocal8Bit();
  };
  qputenv("XDG_CONFIG_HOME", folder("config"));
  qputenv("XDG_RUNTIME_DIR", folder("runtime"));
  qputenv("TMPDIR", folder("tmp"));
  qputenv("XDG_DATA_HOME", folder("data"));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
