// The commands and the world map in the real main frame: the function keys,
// the pop-ups the game asks for, the screen-size command, the map in the
// table's window, and the map's origin kept when the window goes away.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QTimer>
#include <memory>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/QtHost.h"
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

TEST_F(FrameCommandsTest, TheFrameHoldsTheTenFunctionKeys) {
  std::vector<QKeySequence> keys;
  for (const QAction* action : frame->actions()) keys.push_back(action->shortcut());
  ASSERT_EQ(keys.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(keys[i], QKeySequence(Qt::Key_F1 + i)) << "F" << i + 1;
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
  ASSERT_EQ(items.size(), 4u);
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
