// Runs the shell tests inside a QApplication on the offscreen platform. The
// user's profile and chronicle are never touched: XDG_CONFIG_HOME, the data
// folder and the runtime folder point into a folder made for this process,
// which child processes inherit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir configHome;
  if (!configHome.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  const QString runtime = configHome.filePath("runtime");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  qputenv("XDG_DATA_HOME", configHome.filePath("data").toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
