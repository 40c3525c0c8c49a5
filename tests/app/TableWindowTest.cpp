// The table's window: the canvas at the window's scale with white margins,
// the result picture in its frame colour, the dissolve that serves the game's
// timers and ends at a left click, the hand flash that holds them, and the
// hover help's colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QtTest/QTest>
#include <map>

#include "app/AppState.h"
#include "app/CTolvaViewWidget.h"
#include "app/HoverTips.h"
#include "app/QtHost.h"
#include "table/CTolvaView.h"
#include "table/MemorySettingsStore.h"

namespace tolva {
namespace {

struct TableWindowTest : ::testing::Test {
  AppState app;
  MemorySettingsStore store;
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CTolvaView view{host};
  CTolvaViewWidget window{app, view, host};
  std::map<int, int> ticks;

  void SetUp() override {
    host.AttachWindow(window);
    host.OnTimerTicks([this](int id) { ++ticks[id]; });
    app.ScaleX = app.ScaleY = 640.0f / 1200;
    window.resize(640, 480);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override { host.Timers().KillAll(); }

  // Looks at the window once the effect under way has begun.
  QRgb PixelDuringEffect(QPoint at, const std::function<void()>& effect) {
    QRgb seen = 0;
    QTimer::singleShot(30, [&] { seen = window.WindowPicture().pixel(at); });
    QTimer::singleShot(60, [&] { QTest::mouseClick(&window, Qt::LeftButton, {}, {5, 5}); });
    effect();
    return seen;
  }
};

TEST_F(TableWindowTest, TheCanvasIsScaledAndTheRestOfTheWindowIsWhite) {
  window.resize(800, 600);  // larger than the 640 x 480 the scale gives
  window.DrawingSurfaces().BackBuffer = QImage(1200, 900, QImage::Format_RGB32);
  window.DrawingSurfaces().BackBuffer.fill(qRgb(64, 128, 128));
  const QImage shown = window.WindowPicture();
  ASSERT_EQ(shown.size(), QSize(800, 600));
  EXPECT_EQ(shown.pixel(320, 240), qRgb(64, 128, 128));
  EXPECT_EQ(shown.pixel(639, 479), qRgb(64, 128, 128));
  EXPECT_EQ(shown.pixel(700, 100), qRgb(255, 255, 255));  // right of the picture
  EXPECT_EQ(shown.pixel(100, 550), qRgb(255, 255, 255));  // below it
  EXPECT_EQ(shown.pixel(799, 599), qRgb(255, 255, 255));
}

TEST_F(TableWindowTest, TheResultPictureFillsTheWindowWithItsFrameColour) {
  EXPECT_EQ(PixelDuringEffect({1, 1}, [&] { window.ShowResultPicture(ResultPicture::Ron); }),
            qRgb(255, 0, 255));
  EXPECT_EQ(
      PixelDuringEffect({1, 1}, [&] { window.ShowResultPicture(ResultPicture::DrawnGame); }),
      qRgb(255, 255, 0));
  EXPECT_EQ(
      PixelDuringEffect({1, 1}, [&] { window.ShowResultPicture(ResultPicture::TolvaFailed); }),
      qRgb(0, 0, 255));
  EXPECT_FALSE(window.EffectRunning());
}

TEST_F(TableWindowTest, ALeftClickEndsTheDissolveAtOnceAndTimersAreServedMeanwhile) {
  host.SetTimer(6, 1);
  host.SetTimer(2, 1);
  QTimer::singleShot(50, [&] { QTest::mouseClick(&window, Qt::LeftButton, {}, {100, 100}); });
  window.Dissolve(false);
  EXPECT_EQ(view.SkipEffect, 1);
  EXPECT_GT(window.LastDissolveSquares(), 0);
  EXPECT_LT(window.LastDissolveSquares(), 100000);
  EXPECT_GT(ticks[6], 0);
  EXPECT_GT(ticks[2], 0);
  EXPECT_FALSE(window.EffectRunning());
}

TEST_F(TableWindowTest, ADissolveLeftAloneCopiesAllItsSquares) {
  window.Dissolve(false);
  EXPECT_EQ(window.LastDissolveSquares(), 100000);
  EXPECT_FALSE(window.EffectRunning());
}

TEST_F(TableWindowTest, TheHandFlashHoldsTheGameAndLetsNoInputThrough) {
  host.SetTimer(2, 1);
  bool busy = false;
  QTimer::singleShot(100, [&] { busy = host.Busy(); });
  window.FlashSeatHand(4);
  const int duringFlash = ticks[2];
  EXPECT_TRUE(busy);
  EXPECT_EQ(duringFlash, 0);
  EXPECT_FALSE(host.Busy());
  QTest::qWait(30);
  EXPECT_GT(ticks[2], 0);
}

TEST_F(TableWindowTest, AnUnreadableCardFaceSheetIsReportedAndNoGameStarts) {
  // No picture library lies beside the test program.
  QString text;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->accept();
    }
  });
  window.FirstShow();
  EXPECT_EQ(text, QString::fromUtf8("TolvaGameSys.dll\nファイルの読み込みに失敗しました"));
  EXPECT_FALSE(window.PicturesLoaded());
  EXPECT_FALSE(host.Timers().Running(99));  // the game's start-up never began
}

TEST(HoverHelpColours, TooltipsShowTheGamesColours) {
  UseHoverHelpColours();
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(240, 207, 181));
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(0, 51, 102));
}

}  // namespace
}  // namespace tolva
