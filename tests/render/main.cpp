// The rendering tests run with an offscreen Qt application (fonts need one)
// and a temporary folder of their own, so parallel test processes never share
// "TolvaGame/card.jpeg" or "TolvaGame/CardBack.bmp".
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTemporaryDir temp;
  if (!temp.isValid()) return 2;
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
