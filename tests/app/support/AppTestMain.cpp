// Runs the shell tests inside a QApplication on the offscreen platform (with a
// second screen of twice the pixel density). The user's profile and
// chronicle are never touched: XDG_CONFIG_HOME, the data folder and the
// runtime folder point into a folder made for this process, which child
// processes inherit.
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
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    // The offscreen platform's own screen, and away from it one of twice the
    // pixel density for the tests of the table's window on such a screen.
    const QString screens = configHome.filePath("screens.json");
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [)"
                   R"({"name": "one", "x": 0, "y": 0, "width": 800, "height": 600, "dpr": 1},)"
                   R"({"name": "two", "x": -3000, "y": 0, "width": 1300, "height": 1000, "dpr": 2}]})") < 0)
      return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
  }

  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
