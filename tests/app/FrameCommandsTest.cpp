// The commands and the world map in the real main frame: the function keys,
// the pop-ups the game asks for, the screen-size command, the map in the
// table's window, the map's origin kept when the window goes away, and the
// chronicle window beside the table, following the games as they are kept.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/ChronicleMessages.h"
#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/QtHost.h"
#include "dialogs/ChronicleWindow.h"
#include "table/CTolvaView.h"
#include "table/MapView.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"
#include "tests/app/support/MenuText.h"

namespace tolva {
namespace {

struct FrameCommandsTest : ::testing::Test {
  AppState app;
  MemorySettingsStore store;
  Settings settings{store};
  std::unique_ptr<CMainFrame> frame;

  void SetUp() override {
    settings.SetGamen(1200);
    frame = std::make_unique<CMainFrame>(app, store, 1024);
    frame->layout()->activate();  // the table's window fills the client area
  }
  CTolvaView& View() { return frame->View(); }
  CTolvaViewWidget& Window() { return frame->Window(); }
};

TEST_F(FrameCommandsTest, TheFrameHoldsTheTenFunctionKeysAndF12) {
  std::vector<QKeySequence> keys;
  for (const QAction* action : frame->actions()) keys.push_back(action->shortcut());
  ASSERT_EQ(keys.size(), 11u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(keys[i], QKeySequence(Qt::Key_F1 + i)) << "F" << i + 1;
  EXPECT_EQ(keys[10], QKeySequence(Qt::Key_F12));
}

TEST_F(FrameCommandsTest, TheChronicleOpensBesideTheTableAndFollowsTheGamesKept) {
  const std::string campaign = "frame-test-" + std::to_string(QDateTime::currentMSecsSinceEpoch());
  settings.SetChronicleCampaign(campaign);
  frame->Commands().RunCommand(kCmdChronicle);
  ChronicleWindow* window = frame->Chronicle();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal()) << "the game goes on behind it";
  EXPECT_EQ(window->Figures().games, 0);

  GameFinished game;
  game.campaign = campaign;
  game.resultKind = kTsumo;
  game.resultSeat = kHumanSeat;
  game.seats[kHumanSeat] = {6, 5006, false, 0};
  frame->Host().Chronicle(game);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->Figures().games == 1; }, 10000));
  EXPECT_EQ(window->Figures().seats[kHumanSeat].wins, 1);
  frame->Commands().RunCommand(kCmdChronicle);
  EXPECT_EQ(frame->Chronicle(), window) << "one window, raised again";
}

TEST_F(FrameCommandsTest, AChronicleProblemIsToldInABoxThatDoesNotHoldUpTheGame) {
  ShowChronicleMessage(frame.get(), ChronicleProblem::Locked, QStringLiteral("/x/chronicle.sqlite"));
  QMessageBox* shown = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) shown = box;
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(shown->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(shown->text().startsWith(QStringLiteral("戦績のファイルを他のプログラムが使用中")));
  EXPECT_EQ(shown->windowTitle(), QStringLiteral("TolvaGame"));
  shown->close();
  EXPECT_TRUE(MessageFor(ChronicleProblem::None, {}).text.isEmpty());
  EXPECT_TRUE(MessageFor(ChronicleProblem::SetAside, QStringLiteral("/x/old")).text.contains(QStringLiteral("/x/old")));
}

TEST_F(FrameCommandsTest, ThePopUpTheGameAsksForOpensUnderTheButtons) {
  // (Shown, the frame would start the game's start-up and its course selection.)
  std::vector<std::string> items;
  QPoint at;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    items = testing::DescribeMenu(*menu);
    at = menu->pos();
    menu->close();
  });
  frame->Host().ShowCommandMenu(kMenuHelp);  // the help icon's release
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0], "トルヴァゲームのルール(&R) #32777");
  EXPECT_EQ(at, Window().mapToGlobal(QPoint(10, 52)));  // at 1200 x 900 the scale is 1
}

TEST_F(FrameCommandsTest, TheScreenSizeCommandResizesTheFrameAndRescales) {
  frame->Commands().RunCommand(kCmdScreenSize[2]);
  EXPECT_EQ(frame->size(), QSize(1024, 768));
  EXPECT_EQ(settings.Gamen(), 1024);
  EXPECT_FLOAT_EQ(app.ScaleX, 1024.0f / 1200);
  EXPECT_FLOAT_EQ(app.ScaleY, 768.0f / 900);
}

TEST_F(FrameCommandsTest, TheMapShowsInTheTablesWindowWithItsScrollBars) {
  QImage& map = Window().DrawingSurfaces().Map;
  map = QImage(kMapWidth, kMapHeight, QImage::Format_RGB32);
  map.fill(qRgb(10, 20, 30));
  map.setPixel(5, 5, qRgb(200, 100, 50));
  frame->Commands().RunCommand(kCmdWorldMap);
  const QImage shown = Window().WindowPicture();
  EXPECT_EQ(shown.pixel(5, 5), qRgb(200, 100, 50));
  EXPECT_EQ(shown.pixel(600, 700), qRgb(255, 255, 255));  // below the picture at x1
  EXPECT_TRUE(Window().Map().HorizontalBar().isVisibleTo(&Window()));
  frame->Commands().RunCommand(kCmdWorldMap);
  EXPECT_FALSE(Window().Map().HorizontalBar().isVisibleTo(&Window()));
}

TEST_F(FrameCommandsTest, TheMapAdvanceCentresTheCityInTheAreaLeftByTheScrollBars) {
  Window().DrawingSurfaces().Map = QImage(kMapWidth, kMapHeight, QImage::Format_RGB32);
  // As after a city's tenth game: the map up at x2 around the king's city.
  View().CityPoint = {682, 249};
  View().MapShown = 1;
  View().MapZoom = 2;
  View().CentreOnCity();
  const QRect area = Window().Map().Viewport();
  EXPECT_LT(area.width(), 1200);  // both bars are up
  EXPECT_EQ(2 * 682 - Window().Map().HorizontalBar().value(), area.width() / 2);
  EXPECT_EQ(2 * 249 - Window().Map().VerticalBar().value(), area.height() / 2);
}

TEST_F(FrameCommandsTest, TheMapOriginIsKeptWhenTheWindowGoesAwayWithTheMapUp) {
  Window().DrawingSurfaces().Map = QImage(kMapWidth, kMapHeight, QImage::Format_RGB32);
  frame->Commands().RunCommand(kCmdWorldMap);
  Window().Map().HorizontalBar().setValue(345);
  frame.reset();
  EXPECT_EQ(settings.MapOrgX(), 345);
  EXPECT_EQ(settings.MapOrgY(), 0);
}

}  // namespace
}  // namespace tolva
