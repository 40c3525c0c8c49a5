// The world map in the table's window: the picture at each zoom with white
// beyond it, the scroll bars and the position they keep, the pointer over
// cities, and what the mouse and keys do while the map is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "app/MapViewport.h"
#include "table/CTolvaView.h"
#include "table/MapView.h"
#include "table/SettingsSchema.h"
#include "tests/app/support/RecordingShell.h"
#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

constexpr QRgb kCity = 0x2050FF;   // no pixel of the pattern below has this blue
constexpr QRgb kTable = 0x408080;  // the table window's own painting
const QRect kCityBlock(600, 300, 20, 20);
const QRect kConqueredBlock(640, 250, 20, 20);

// A picture of the map's size in which every pixel tells where it is.
QImage PatternMap() {
  QImage map(kMapWidth, kMapHeight, QImage::Format_RGB32);
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x)
      map.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
  QPainter painter(&map);
  painter.fillRect(kCityBlock, QColor::fromRgb(kCity));
  painter.fillRect(kConqueredBlock, QColor::fromRgb(0xFF0000));
  painter.end();
  map.setPixel(90, 432, kCity);  // the city colour's key swatch
  return map;
}

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & RGB_MASK; }

// The table's window as far as the map needs it: it paints the map through
// the viewport while the map is shown, and counts the input it receives.
class TableWindow : public QWidget {
 public:
  explicit TableWindow(CTolvaView& view) : view_(view) {}
  MapViewport* map = nullptr;
  int leftPresses = 0;
  int rightPresses = 0;
  int releases = 0;
  int moves = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (view_.MapShown && map != nullptr) {
      map->Paint(painter);
      return;
    }
    painter.fillRect(rect(), QColor::fromRgb(kTable));
  }
  void mousePressEvent(QMouseEvent* e) override {
    ++(e->button() == Qt::RightButton ? rightPresses : leftPresses);
  }
  void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
  void mouseMoveEvent(QMouseEvent*) override { ++moves; }

 private:
  CTolvaView& view_;
};

struct MapViewportTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  testing::RecordingShell shell;
  CommandMenus commands{view, host, shell};
  QImage picture = PatternMap();
  TableWindow window{view};
  std::unique_ptr<MapViewport> map;
  bool acceptsInput = true;

  void SetUp() override {
    host.Attach(view);
    view.Initialising = 0;
    view.TableActive = 1;
    window.resize(1200, 900);
    window.show();
    map = std::make_unique<MapViewport>(
        window, view, picture, [this](QPoint at) { commands.ShowMapMenu(at); },
        [this] { return acceptsInput; });
    window.map = map.get();
  }
  // What Host::MapViewChanged does in the program.
  void Changed() { map->Sync(); }
  void ShowMap() {
    view.ToggleMap();
    Changed();
  }
  void Zoom(int zoom) {
    view.SetMapZoom(zoom);
    Changed();
  }
  QImage Window() { return window.grab().toImage(); }
  int BarExtent() const { return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
  void MoveTo(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
  void Key(int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
};

// --- the picture -------------------------------------------------------------------------

TEST_F(MapViewportTest, AtZoomOneThePictureShowsAtItsOwnSizeWithWhiteBelow) {
  ShowMap();
  const QImage shown = Window();
  EXPECT_EQ(Rgb(shown, 0, 0), Rgb(picture, 0, 0));
  EXPECT_EQ(Rgb(shown, 777, 333), Rgb(picture, 777, 333));
  EXPECT_EQ(Rgb(shown, 1199, 648), Rgb(picture, 1199, 648));
  EXPECT_EQ(Rgb(shown, 500, 649), 0xFFFFFFu);  // below the picture
  EXPECT_EQ(Rgb(shown, 5, 860), 0xFFFFFFu);
}

TEST_F(MapViewportTest, AtZoomOneOnlyTheHorizontalBarIsNeeded) {
  ShowMap();
  EXPECT_TRUE(map->HorizontalBar().isVisible());
  EXPECT_FALSE(map->VerticalBar().isVisible());
  EXPECT_EQ(map->HorizontalBar().maximum(), kMapWidth - 1200);
  EXPECT_EQ(map->Viewport(), QRect(0, 0, 1200, 900 - BarExtent()));
  EXPECT_EQ(view.MapClient, (TablePoint{1200, 900 - BarExtent()}));
}

TEST_F(MapViewportTest, AtZoomTwoEachPicturePixelIsATwoByTwoBlock) {
  ShowMap();
  Zoom(2);
  const QImage shown = Window();
  for (const QPoint p : {QPoint(0, 0), QPoint(123, 45), QPoint(500, 400)}) {
    const QRgb expected = Rgb(picture, p.x(), p.y());
    EXPECT_EQ(Rgb(shown, 2 * p.x(), 2 * p.y()), expected);
    EXPECT_EQ(Rgb(shown, 2 * p.x() + 1, 2 * p.y() + 1), expected);
  }
  EXPECT_TRUE(map->VerticalBar().isVisible());
  EXPECT_EQ(map->HorizontalBar().maximum(), 2 * kMapWidth - (1200 - BarExtent()));
  EXPECT_EQ(map->VerticalBar().maximum(), 2 * kMapHeight - (900 - BarExtent()));
}

TEST_F(MapViewportTest, TheWindowShowsThePictureFromTheScrollPosition) {
  view.MapOrg = {300, 0};
  ShowMap();
  EXPECT_EQ(map->HorizontalBar().value(), 300);
  const QImage shown = Window();
  EXPECT_EQ(Rgb(shown, 0, 5), Rgb(picture, 300, 5));
  EXPECT_EQ(Rgb(shown, 40, 600), Rgb(picture, 340, 600));
}

TEST_F(MapViewportTest, AnOriginBeyondThePictureStopsWhereTheBarsEnd) {
  view.MapOrg = {99999, 99999};
  ShowMap();
  EXPECT_EQ(view.MapScroll, (TablePoint{kMapWidth - 1200, 0}));
  view.ToggleMap();
  Changed();
  view.MapOrg = {-50, -50};
  ShowMap();
  EXPECT_EQ(view.MapScroll, (TablePoint{0, 0}));
}

TEST_F(MapViewportTest, WhatThePlayerScrollsIsWhereTheMapOpensNextTime) {
  ShowMap();
  map->HorizontalBar().setValue(123);
  EXPECT_EQ(view.MapScroll.x, 123);
  view.ToggleMap();
  Changed();
  EXPECT_EQ(view.MapOrg.x, 123);
  EXPECT_FALSE(map->HorizontalBar().isVisible());
}

TEST_F(MapViewportTest, WithTheMapHiddenTheTablePaintsAsAlways) {
  ShowMap();
  view.ToggleMap();
  Changed();
  const QImage shown = Window();
  EXPECT_EQ(Rgb(shown, 10, 10), kTable);
  EXPECT_EQ(Rgb(shown, 1199, 899), kTable);
  EXPECT_EQ(map->Viewport(), window.rect());
  EXPECT_EQ(view.MapClient, (TablePoint{1200, 900}));
}

TEST_F(MapViewportTest, AResizedWindowGivesTheMapItsNewArea) {
  ShowMap();
  EXPECT_FALSE(map->VerticalBar().isVisible());
  window.resize(640, 480);  // now the picture is taller than the window too
  EXPECT_TRUE(map->VerticalBar().isVisible());
  EXPECT_EQ(view.MapClient, (TablePoint{640 - BarExtent(), 480 - BarExtent()}));
  EXPECT_EQ(map->HorizontalBar().maximum(), kMapWidth - (640 - BarExtent()));
  EXPECT_EQ(map->VerticalBar().maximum(), kMapHeight - (480 - BarExtent()));
}

// --- the mouse and the keys on the map ----------------------------------------------------------

TEST_F(MapViewportTest, ADoubleClickReturnsToTheTableAndTheLastReleaseStaysWithTheMap) {
  ShowMap();
  const QPoint at(30, 30);  // over the start button of the table underneath
  Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
  Mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
  EXPECT_EQ(view.MapShown, 0);
  Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
  EXPECT_EQ(window.releases, 1);  // only the first click's release reached the table
  EXPECT_EQ(window.leftPresses, 1);
}

TEST_F(MapViewportTest, WhileTheWindowTakesNoInputTheMapLeavesTheEventsToIt) {
  ShowMap();
  acceptsInput = false;  // the dissolve back to the table is under way
  Mouse(QEvent::MouseButtonDblClick, QPoint(30, 30), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, QPoint(30, 30), Qt::RightButton);
  EXPECT_EQ(view.MapShown, 1);
  EXPECT_TRUE(shell.lastMenu.empty());
  EXPECT_EQ(window.releases, 1);  // the window decides, and ignores it
}

TEST_F(MapViewportTest, TheLeftButtonStillReachesTheWindowOnTheMap) {
  // A left press ends a running dissolve; the game itself ignores it on the map.
  ShowMap();
  Mouse(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
  EXPECT_EQ(window.leftPresses, 1);
}

TEST_F(MapViewportTest, TheRightButtonOpensTheMapMenuAndMarksNoCard) {
  ShowMap();
  shell.chooseCommand = kCmdMapZoom[1];
  Mouse(QEvent::MouseButtonPress, QPoint(200, 100), Qt::RightButton);
  EXPECT_EQ(window.rightPresses, 0);
  Mouse(QEvent::MouseButtonRelease, QPoint(200, 100), Qt::RightButton);
  EXPECT_EQ(shell.lastMenuAt, window.mapToGlobal(QPoint(200, 100)));
  ASSERT_EQ(shell.lastMenu.size(), 5u);
  EXPECT_EQ(shell.lastMenu[2], "等倍(&1)\t1 #32810 [x]");
  EXPECT_EQ(view.MapZoom, 2);
  EXPECT_EQ(Settings(host.store).Zoom(), 2);
}

TEST_F(MapViewportTest, TheMapMenuReturnsToTheTable) {
  ShowMap();
  shell.chooseCommand = kCmdWorldMap;
  Mouse(QEvent::MouseButtonRelease, QPoint(200, 100), Qt::RightButton);
  EXPECT_EQ(view.MapShown, 0);
}

TEST_F(MapViewportTest, TheRightButtonOnTheTableIsTheTables) {
  Mouse(QEvent::MouseButtonPress, QPoint(200, 100), Qt::RightButton);
  Mouse(QEvent::MouseButtonRelease, QPoint(200, 100), Qt::RightButton);
  EXPECT_EQ(window.rightPresses, 1);
  EXPECT_TRUE(shell.lastMenu.empty());
}

TEST_F(MapViewportTest, ThePointerIsAHandOverCitiesAndConqueredCities) {
  ShowMap();
  MoveTo(kCityBlock.center());
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  MoveTo(QPoint(1000, 100));
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
  MoveTo(kConqueredBlock.center());
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.moves, 0);  // no hover help on the map
}

TEST_F(MapViewportTest, ThePointerFollowsTheZoomAndTheScroll) {
  view.MapZoom = 2;
  view.MapOrg = {1000, 400};
  ShowMap();
  // City pixel (605, 305) shows at 2 × 605 − 1000, 2 × 305 − 400.
  MoveTo(QPoint(210, 210));
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  MoveTo(QPoint(100, 100));
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MapViewportTest, BackOnTheTableThePointerMovesReachTheTableAgain) {
  ShowMap();
  MoveTo(kCityBlock.center());
  view.ToggleMap();
  Changed();
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
  MoveTo(QPoint(10, 10));
  EXPECT_EQ(window.moves, 1);
}

TEST_F(MapViewportTest, TheWheelAndTheArrowKeysScroll) {
  ShowMap();
  Zoom(2);
  QWheelEvent down(QPointF(100, 100), window.mapToGlobal(QPointF(100, 100)), QPoint(),
                   QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&window, &down);
  EXPECT_GT(view.MapScroll.y, 0);
  const int y = view.MapScroll.y;
  Key(Qt::Key_Up);
  EXPECT_LT(view.MapScroll.y, y);
  Key(Qt::Key_Right);
  EXPECT_GT(view.MapScroll.x, 0);
}

// --- the painting on its own -------------------------------------------------------------------

TEST(MapPainting, WhiteFillsWhateverLiesBeyondThePicture) {
  const QImage picture = PatternMap();
  QImage window(2000, 700, QImage::Format_RGB32);
  window.fill(Qt::black);
  QPainter painter(&window);
  PaintMapWindow(painter, window.size(), picture, 1, QPoint(0, 0));
  painter.end();
  EXPECT_EQ(Rgb(window, 1830, 648), Rgb(picture, 1830, 648));
  EXPECT_EQ(Rgb(window, 1831, 10), 0xFFFFFFu);
  EXPECT_EQ(Rgb(window, 10, 649), 0xFFFFFFu);
}

TEST(MapPainting, AMissingPictureLeavesTheWindowWhite) {
  QImage window(300, 200, QImage::Format_RGB32);
  window.fill(Qt::black);
  QPainter painter(&window);
  PaintMapWindow(painter, window.size(), QImage(), 2, QPoint(10, 10));
  painter.end();
  EXPECT_EQ(Rgb(window, 150, 100), 0xFFFFFFu);
}

TEST(MapPainting, ThePixelUnderAPointFollowsZoomAndScroll) {
  const QImage picture = PatternMap();
  EXPECT_EQ(MapPixelAt(picture, 1, QPoint(0, 0), QPoint(7, 9)), Rgb(picture, 7, 9));
  EXPECT_EQ(MapPixelAt(picture, 3, QPoint(30, 60), QPoint(3, 3)), Rgb(picture, 11, 21));
  EXPECT_EQ(MapPixelAt(picture, 1, QPoint(0, 0), QPoint(1831, 0)), std::nullopt);
  EXPECT_EQ(MapPixelAt(picture, 2, QPoint(0, 0), QPoint(10, 1298)), std::nullopt);
  EXPECT_EQ(MapPixelAt(picture, 1, QPoint(0, 0), QPoint(-1, 5)), std::nullopt);
  EXPECT_EQ(MapPixelAt(QImage(), 1, QPoint(0, 0), QPoint(1, 1)), std::nullopt);
}

TEST(MapPainting, CitiesAreTheKeyColourAndTheConqueredColour) {
  const QImage picture = PatternMap();
  EXPECT_TRUE(IsCityColour(picture, kCity));
  EXPECT_TRUE(IsCityColour(picture, 0xFF0000));
  EXPECT_FALSE(IsCityColour(picture, 0xFF00FF));  // the travelled route
  EXPECT_FALSE(IsCityColour(QImage(), kCity));    // without a picture only red counts
}

}  // namespace
}  // namespace tolva
