// The main frame: its size from "Gamen" (or, on the first start, from the
// desktop's height), the scale factors, the screen-size command, and closing
// with and without a game on the table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QTimer>
#include <QtTest/QTest>
#include <optional>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/QtHost.h"
#include "table/CTolvaView.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"

namespace tolva {
namespace {

struct MainFrameTest : ::testing::Test {
  AppState app;
  MemorySettingsStore store;
  Settings settings{store};

  std::unique_ptr<CMainFrame> Frame(std::optional<int> desktopHeight) {
    return std::make_unique<CMainFrame>(app, store, desktopHeight);
  }
};

// Answers the next message box with a key, and tells whether one was there.
struct KeyAnswer {
  bool asked = false;
  explicit KeyAnswer(Qt::Key key) {
    QTimer::singleShot(0, [this, key] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        asked = true;
        QTest::keyClick(box, key);
      }
    });
  }
};

TEST_F(MainFrameTest, AStoredWidthDecidesWhateverTheDesktop) {
  settings.SetGamen(800);
  for (const std::optional<int> desktop : {std::optional<int>(1200), std::optional<int>(599),
                                           std::optional<int>()}) {
    const auto frame = Frame(desktop);
    EXPECT_EQ(frame->size(), QSize(800, 600));
    frame->layout()->activate();
    EXPECT_EQ(frame->Window().size(), QSize(800, 600));  // the client is the whole window
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
  }
  EXPECT_EQ(settings.Gamen(), 800);
}

TEST_F(MainFrameTest, TheFirstStartChoosesFromTheDesktopHeightAndRemembersIt) {
  struct Case {
    std::optional<int> desktop;
    QSize size;
  };
  const Case cases[] = {{1024, {1200, 900}}, {599, {640, 480}},   {1050, {1400, 1050}},
                        {600, {800, 600}},   {1200, {1600, 1200}}, {std::nullopt, {640, 480}}};
  for (const Case& c : cases) {
    MemorySettingsStore fresh;
    const CMainFrame frame(app, fresh, c.desktop);
    EXPECT_EQ(frame.size(), c.size) << c.desktop.value_or(-1);
    EXPECT_EQ(Settings(fresh).Gamen(), c.size.width());
  }
}

TEST_F(MainFrameTest, ScaleFollowsTheLongerSideAtCreation) {
  settings.SetGamen(640);
  const auto frame = Frame(900);
  EXPECT_FLOAT_EQ(app.ScaleX, 640.0f / 1200);
  EXPECT_FLOAT_EQ(app.ScaleY, 640.0f / 1200);
}

TEST_F(MainFrameTest, AWidthNoMenuOffersGivesTheSmallestWindow) {
  for (const int stored : {99999, 0, -800}) {
    settings.SetGamen(stored);
    EXPECT_EQ(Frame(900)->size(), QSize(640, 480)) << stored;
  }
}

TEST_F(MainFrameTest, TheScreenSizeCommandResizesAndRescales) {
  settings.SetGamen(640);
  const auto frame = Frame(900);
  frame->ResizeForScreenSize(1024);
  EXPECT_EQ(frame->size(), QSize(1024, 768));
  EXPECT_EQ(settings.Gamen(), 1024);
  EXPECT_FLOAT_EQ(app.ScaleX, 1024.0f / 1200);
  EXPECT_FLOAT_EQ(app.ScaleY, 768.0f / 900);
}

TEST_F(MainFrameTest, ClosingWithNoGameAsksNothingAndEndsThePeek) {
  settings.SetGamen(640);
  settings.SetCunningView(1);
  settings.SetCunNow(2);
  const auto frame = Frame(900);
  const KeyAnswer answer(Qt::Key_N);
  EXPECT_TRUE(frame->close());
  QCoreApplication::processEvents();
  EXPECT_FALSE(answer.asked);
  EXPECT_EQ(settings.CunNow(), 4);
  EXPECT_EQ(settings.CunningView(), 0);
}

TEST_F(MainFrameTest, ClosingDuringAGameAsksAndNoKeepsItRunning) {
  settings.SetGamen(640);
  settings.SetCunningView(1);
  settings.SetCunNow(2);
  const auto frame = Frame(900);
  frame->View().TableActive = 1;
  {
    const KeyAnswer answer(Qt::Key_N);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(answer.asked);
  }
  EXPECT_EQ(settings.CunNow(), 2);
  EXPECT_EQ(settings.CunningView(), 1);
  {
    const KeyAnswer answer(Qt::Key_Y);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(answer.asked);
  }
  EXPECT_EQ(settings.CunNow(), 4);
  EXPECT_EQ(settings.CunningView(), 0);
}

TEST_F(MainFrameTest, QuittingClosesWithoutAskingEvenDuringAGame) {
  settings.SetGamen(640);
  settings.SetCunNow(1);
  const auto frame = Frame(900);
  frame->View().TableActive = 1;
  const KeyAnswer answer(Qt::Key_N);
  frame->Quit();
  QTest::qWait(50);
  EXPECT_FALSE(answer.asked);
  EXPECT_TRUE(frame->Host().Closing());
  EXPECT_EQ(settings.CunNow(), 4);
}

}  // namespace
}  // namespace tolva
