// The Qt host: blocking waits hold the game and return after their time,
// messages are answered from the keyboard with the game's steps held, and
// nothing is shown or waited for once the program is closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <map>

#include "app/MessageLog.h"
#include "app/QImagePixelMap.h"
#include "app/QtHost.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"
#include "table/MemorySettingsStore.h"

namespace tolva {
namespace {

struct QtHostTest : ::testing::Test {
  MemorySettingsStore store;
  QWidget mainWindow;
  int quits = 0;
  QtHost host{store, mainWindow, [this] { ++quits; }};
  std::map<int, int> ticks;

  void SetUp() override {
    host.OnTimerTicks([this](int id) { ++ticks[id]; });
  }
};

TEST_F(QtHostTest, TimersByIdReachTheGame) {
  EXPECT_TRUE(host.SetTimer(99, 1));
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks[99] >= 2; }, 5000));
  EXPECT_TRUE(host.KillTimer(99));
  EXPECT_FALSE(host.Timers().Running(99));
}

TEST_F(QtHostTest, AWaitHoldsTheGameForItsTime) {
  host.SetTimer(1, 1);
  QElapsedTimer clock;
  clock.start();
  host.Wait(60);
  EXPECT_GE(clock.elapsed(), 60);
  EXPECT_EQ(ticks[1], 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks[1] > 0; }, 5000));
}

TEST_F(QtHostTest, AWaveToItsEndWaitsAsLongAsTheClipAndTheCueLogSaysSo) {
  // No audio output here: the clips play in silence and still hold the game.
  QTemporaryDir folder;
  const QString log = folder.filePath(QStringLiteral("cues.txt"));
  qputenv(kCueLogVariable, QFile::encodeName(log));
  const int length = host.Waves().DurationMs(kWaveReach);
  ASSERT_GT(length, 0);
  QElapsedTimer clock;
  clock.start();
  host.PlayWave(kWaveReach, true);
  EXPECT_GE(clock.elapsed(), length);
  host.PlayWave(kWaveDiscardLands, false);
  qunsetenv(kCueLogVariable);

  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_GE(lines.size(), 2);
  const QJsonObject held = QJsonDocument::fromJson(lines[0]).object();
  EXPECT_EQ(held["wave"].toInt(), kWaveReach);
  EXPECT_TRUE(held["toEnd"].toBool());
  EXPECT_FALSE(held["heard"].toBool());
  EXPECT_GE(held["end"].toInteger() - held["start"].toInteger(), length);
  const QJsonObject background = QJsonDocument::fromJson(lines[1]).object();
  EXPECT_EQ(background["wave"].toInt(), kWaveDiscardLands);
  EXPECT_FALSE(background.contains("end")) << "a clip in the background holds nothing";
  EXPECT_GE(background["start"].toInteger(), held["end"].toInteger());
}

TEST_F(QtHostTest, AQuestionHoldsTheStepsOfTheGame) {
  host.SetTimer(2, 1);
  host.SetTimer(6, 1);
  int stepsWhileAsked = -1;
  int coinWhileAsked = -1;
  QTimer::singleShot(80, [&] {
    stepsWhileAsked = ticks[2];
    coinWhileAsked = ticks[6];
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Y);
  });
  ticks.clear();
  EXPECT_EQ(host.ShowMessage({}, kMsgAskPon, MessageStyle::YesNo), Answer::Yes);
  EXPECT_EQ(stepsWhileAsked, 0);
  EXPECT_GT(coinWhileAsked, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks[2] > 0; }, 5000));
}

TEST_F(QtHostTest, TheMapPictureIsTheAttachedOneAndEmptyBefore) {
  PixelMap& none = host.MapPicture();
  EXPECT_EQ(none.Width(), 0);
  EXPECT_EQ(none.Pixel(10, 10), kNoColour);
  none.SetPixel(10, 10, 0xFF0000);  // goes nowhere, harms nothing
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(qRgb(1, 2, 3));
  QImagePixelMap map(picture);
  host.AttachMapPicture(map);
  EXPECT_EQ(host.MapPicture().Width(), 20);
  EXPECT_EQ(host.MapPicture().Pixel(5, 5), 0x010203u);
  host.MapPicture().SetPixel(5, 5, 0xFF00FF);
  EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 0, 255));
  EXPECT_EQ(host.MapPicture().Pixel(20, 5), kNoColour);
}

TEST_F(QtHostTest, ClosingStopsTimersAndShowsNothingMore) {
  host.SetTimer(2, 1);
  host.BeginClosing();
  EXPECT_FALSE(host.Timers().Running(2));
  EXPECT_EQ(host.ShowMessage({}, kMsgAskPon, MessageStyle::YesNo), Answer::None);
  EXPECT_TRUE(host.SetTimer(2, 1));  // accepted, but nothing runs any more
  EXPECT_FALSE(host.Timers().Running(2));
  QElapsedTimer clock;
  clock.start();
  host.Wait(2000);
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(QtHostTest, TheCourseSelectionRunsWithTheGamesStepsHeld) {
  EXPECT_FALSE(host.RunCourseSelection());  // none set: as if cancelled
  host.SetTimer(2, 1);
  host.SetTimer(6, 1);
  host.SetCourseSelection([&] {
    QTest::qWait(40);
    return ticks[2] == 0 && ticks[6] > 0;
  });
  EXPECT_TRUE(host.RunCourseSelection());
  host.SetCourseSelection([] { return false; });
  EXPECT_FALSE(host.RunCourseSelection());
}

TEST_F(QtHostTest, QuittingEndsTheProgramAndTitleAndClockWork) {
  host.SetWindowTitle("トルヴァゲーム【初級コース】");
  EXPECT_EQ(mainWindow.windowTitle(), QString::fromUtf8("トルヴァゲーム【初級コース】"));
  const int seconds = host.ClockSeconds();
  EXPECT_GE(seconds, 0);
  EXPECT_LE(seconds, 59);
  EXPECT_GT(host.ShuffleSeed(), 1'600'000'000u);
  host.QuitProgram();
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(host.Closing());
}

}  // namespace
}  // namespace tolva
