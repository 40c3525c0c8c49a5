// Runs the chronicle tests inside a QApplication on the offscreen platform,
// with XDG_DATA_HOME and XDG_CONFIG_HOME in a folder made for this process:
// no test touches the player's chronicle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  const QString runtime = home.filePath(QStringLiteral("runtime"));
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
