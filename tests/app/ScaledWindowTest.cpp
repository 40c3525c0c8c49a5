// The table's window at every size and device pixel ratio: what it shows is
// the canvas made at its physical pixels, the player's pointer finds the same
// places on it at every size, the peek buttons follow the window's size, the
// window with its frame is as large as "Gamen", and full screen keeps the
// table's shape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/PeekButtonRow.h"
#include "app/QtHost.h"
#include "render/Projection.h"
#include "render/ResultPicture.h"
#include "table/CTolvaView.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"
#include "tests/render/support/PictureDetail.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

// The synthetic pictures, with their card face library in a folder of the test's.
std::shared_ptr<testing::SyntheticPictures> Pictures(const QTemporaryDir& folder) {
  auto pictures = std::make_shared<testing::SyntheticPictures>();
  pictures->sheetPath = testing::WriteCardLibrary(folder.path(), testing::SyntheticCardSheet());
  return pictures;
}

// The table with a game on it, in a window of the chosen size.
struct ScaledWindowTest : ::testing::Test {
  QTemporaryDir folder;
  AppState app;
  MemorySettingsStore store;
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CTolvaView view{host};
  CTolvaViewWidget window{app, view, host};

  void SetUp() override {
    host.AttachWindow(window);
    view.t = testing::EmptyTable();
    testing::SetHand(view.t, 1, "8s 9s Ts Js Qs Ks");
    testing::SetHand(view.t, 4, "3d 4d 5d 6d 7d 8d 9d");
    testing::SetStock(view.t, "Jd Qd Kd Ac 2c 3c");
    testing::SetRiver(view.t, "7c 8c");
    testing::SetMeld(view.t, 4, "Ah Ad Ac");
    view.t.Purse = {1200, 950, 87, 3, 10000};
    view.t.TurnSeat = 4;
    view.t.Koukaon = 0;
    view.TableActive = 1;
    view.Initialising = 0;
    ASSERT_TRUE(window.LoadPictures(Pictures(folder)));
  }
  void TearDown() override { host.Timers().KillAll(); }

  void Size(QSize client) {
    app.ScaleX = static_cast<float>(client.width()) / kCanvasWidth;
    app.ScaleY = static_cast<float>(client.height()) / kCanvasHeight;
    window.resize(client);
    window.RedrawScene(true);
  }
  QPoint OnWindow(const Rect& r) const {
    return {static_cast<int>((r.left + r.Width() / 2) * app.ScaleX),
            static_cast<int>((r.top + r.Height() / 2) * app.ScaleY)};
  }
};

TEST_F(ScaledWindowTest, OnAScreenOfTwiceThePixelsTheWindowShowsTheCanvasDrawnAtThem) {
  view.t.TurnSeat = 1;  // no keyboard cursor over the canvas
  QScreen* dense = QGuiApplication::screens().value(1);
  ASSERT_NE(dense, nullptr);
  window.winId();
  window.windowHandle()->setScreen(dense);
  window.move(dense->geometry().topLeft());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_EQ(window.devicePixelRatioF(), 2);
  Size({1200, 900});
  QImage shown = window.WindowPicture();
  ASSERT_EQ(window.Canvas().size(), QSize(2400, 1800)) << "composed at the device's pixels";
  shown.setDevicePixelRatio(1);
  EXPECT_EQ(shown, window.Canvas()) << "shown as composed";

  const HitRects& hits = window.Hits();
  const Rect card = hits.HandCardRect[1];
  for (const Rect& part : {hits.SeatPlateRect[4], hits.PurseTextRect[4], hits.PurseTextRect[1],
                           Rect::Sized(card.left + 4, card.top + 6, 32, 30)}) {
    const QRect device(part.left * 2, part.top * 2, part.Width() * 2, part.Height() * 2);
    EXPECT_GT(testing::MixedBlocks(window.Canvas(), device), 0.05)
        << "detail inside 2 x 2 blocks at " << part.left << "," << part.top;
  }
}

TEST_F(ScaledWindowTest, OnAScreenOfTwiceThePixelsADissolveCopiesTheCanvasUnderItsSquares) {
  QScreen* dense = QGuiApplication::screens().value(1);
  ASSERT_NE(dense, nullptr);
  window.winId();
  window.windowHandle()->setScreen(dense);
  window.move(dense->geometry().topLeft());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Size({640, 480});
  view.MapShown = 1;  // the dissolve brings the table back over the map
  const QImage map = window.WindowPicture();
  window.BeginDissolve();
  DissolveRun run(7, false, window.size(), app.ScaleX, app.ScaleY);
  window.DissolveFrame(run, run.Total() / 3);
  QImage shown = window.WindowPicture();
  window.EndDissolve();
  view.MapShown = 0;
  ASSERT_EQ(shown.size(), QSize(1280, 960));
  ASSERT_EQ(window.Canvas().size(), QSize(1280, 960));
  int copied = 0, elsewhere = 0;
  for (int y = 0; y < shown.height(); y += 3)
    for (int x = 0; x < shown.width(); x += 3) {
      const QRgb pixel = shown.pixel(x, y);
      if (pixel == window.Canvas().pixel(x, y) && pixel != map.pixel(x, y)) ++copied;
      else if (pixel != map.pixel(x, y)) ++elsewhere;
    }
  EXPECT_GT(copied, 10000) << "squares of the canvas, each where it lies";
  EXPECT_EQ(elsewhere, 0) << "nothing but the map and the canvas under the squares";
}

// A dissolve frame paints its squares on the window alone; whenever the
// window is painted whole meanwhile (here: its picture taken), every square
// shown so far is there, those of an earlier run over the same effect too.
TEST_F(ScaledWindowTest, AWholePaintDuringADissolveShowsEverySquareShownSoFar) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Size({1200, 900});
  view.MapShown = 1;
  QImage expected = window.WindowPicture();
  window.BeginDissolve();
  DissolveRun first(3, false, window.size(), app.ScaleX, app.ScaleY);
  DissolveRun second(4, false, window.size(), app.ScaleX, app.ScaleY);
  DissolveRun firstAgain = first, secondAgain = second;
  window.DissolveFrame(first, 700);
  window.DissolveFrame(first, 700);
  window.DissolveFrame(second, 900);
  const QImage shown = window.WindowPicture();
  window.EndDissolve();
  view.MapShown = 0;
  std::vector<QRect> squares;
  firstAgain.Step(expected, window.Canvas(), 1.0, 1400, squares);
  secondAgain.Step(expected, window.Canvas(), 1.0, 900, squares);
  ASSERT_EQ(squares.size(), 2300u);
  ASSERT_EQ(shown.size(), expected.size());
  EXPECT_TRUE(shown == expected) << "the map with the squares of both runs, and nothing else";
}

// The squares of a dissolve frame go onto the window where they belong when
// the table's view is not at its window's corner (in full screen, in a frame).
TEST_F(ScaledWindowTest, ADissolveFrameShowsItsSquaresWhereTheViewIsInItsWindow) {
  QWidget holder;
  holder.resize(1000, 700);
  window.setParent(&holder);
  window.move(37, 21);
  holder.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
  Size({800, 600});
  view.MapShown = 1;
  window.repaint();
  QImage expected = window.WindowPicture();
  window.BeginDissolve();
  DissolveRun run(11, false, window.size(), app.ScaleX, app.ScaleY);
  DissolveRun again = run;
  window.DissolveFrame(run, 900);
  QCoreApplication::processEvents();
  const QImage shown =
      holder.screen()->grabWindow(holder.winId()).toImage().copy(QRect(window.pos(), window.size()));
  window.EndDissolve();
  view.MapShown = 0;
  window.setParent(nullptr);
  std::vector<QRect> squares;
  again.Step(expected, window.Canvas(), 1.0, 900, squares);
  ASSERT_EQ(shown.size(), expected.size());
  int wrong = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) wrong += (shown.pixel(x, y) & 0xffffff) != (expected.pixel(x, y) & 0xffffff);
  EXPECT_EQ(wrong, 0) << "the map, with the frame's squares of the canvas where they lie";
}

// The window repaints only what a step changed; what it shows after each step
// is what a paint of the whole window shows (the projected table's stretch may
// round a colour channel a few steps differently, no more).
TEST_F(ScaledWindowTest, RepaintingOnlyTheChangesShowsWhatAWholePaintShows) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Size({1024, 768});
  for (int seat = 0; seat < kComputerSeats; ++seat)
    view.StockFlight[seat] = MakeFlight(kStockPoint, kSeatPlaces[seat]);
  const auto farthest = [&] {
    QCoreApplication::processEvents();
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    const QImage whole = window.WindowPicture();
    int largest = 0;
    for (int y = 0; y < whole.height(); ++y)
      for (int x = 0; x < whole.width(); ++x) {
        const QRgb p = shown.pixel(x, y), q = whole.pixel(x, y);
        largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                            std::abs(qBlue(p) - qBlue(q))});
      }
    return largest;
  };
  const struct {
    const char* what;
    std::function<void()> step;
  } steps[] = {
      {"a cursor key", [&] { QTest::keyClick(&window, Qt::Key_Right); }},
      {"a mark", [&] { QTest::keyClick(&window, Qt::Key_Down); }},
      {"the cursor moved by the game", [&] { view.t.Cursor = 5; window.RedrawScene(false); }},
      {"a computer's turn", [&] { view.t.TurnSeat = 1; window.RedrawScene(false); }},
      {"a flight step", [&] { view.StockStep = 2; window.RedrawScene(true); }},
      {"the next", [&] { view.StockStep = 3; window.RedrawScene(true); }},
      {"the human's turn again", [&] { view.StockStep = -1; view.t.TurnSeat = 4; window.RedrawScene(true); }},
      {"a tilt", [&] { view.AngleDown(); }},
  };
  for (const auto& step : steps) {
    step.step();
    EXPECT_LE(farthest(), 4) << step.what;
  }
}

TEST_F(ScaledWindowTest, ThePointerFindsTheSamePlacesAtEverySize) {
  for (const QSize client : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1200, 900),
                             QSize(1400, 1050), QSize(1600, 1200), QSize(1440, 1080),
                             QSize(2880, 2160)}) {
    Size(client);
    const HitRects& hits = window.Hits();
    EXPECT_EQ(hits.StockRect, ProjectRect(kStockPlace, view.ViewAngle));
    const auto target = [&](const Rect& r) { return window.TargetAtWindow(OnWindow(r), Gesture::Press); };
    EXPECT_EQ(target(hits.StockRect).kind, TargetKind::Stock) << client.width();
    EXPECT_EQ(target(hits.MeldHitRect[4]).kind, TargetKind::MeldRow) << client.width();
    EXPECT_EQ(target(hits.MeldHitRect[4]).index, 4) << client.width();
    for (int slot : {0, 3, 6}) {
      const PointerTarget card = target(hits.HandCardRect[slot]);
      EXPECT_EQ(card.kind, TargetKind::HandCard) << client.width() << " slot " << slot;
      EXPECT_EQ(card.index, slot) << client.width();
    }
    EXPECT_EQ(target(kButtonRect[kIconAngleUp]).index, kIconAngleUp) << client.width();
  }
}

TEST_F(ScaledWindowTest, AFlyingCardIsDrawnAtItsFlightPointAtEverySize) {
  view.t.TurnSeat = 1;
  for (int seat = 0; seat < kComputerSeats; ++seat)
    view.StockFlight[seat] = MakeFlight(kStockPoint, kSeatPlaces[seat]);
  view.StockStep = 4;
  for (const QSize client : {QSize(640, 480), QSize(1200, 900), QSize(1600, 1200), QSize(2880, 2160)}) {
    Size(client);
    // A point on the card back's body, projected, then scaled to the window.
    const TablePoint p = view.StockFlight[1][4];
    const Rect body = ProjectRect(Rect::Sized(p.x + 8, p.y + 90, 20, 40), view.ViewAngle);
    const QImage shown = window.WindowPicture();
    EXPECT_TRUE(testing::Near(shown.pixel(OnWindow(body)), testing::kBackColour, 30)) << client.width();
  }
}

// The main frame, with its peek buttons offered.
struct FrameSizeTest : ::testing::Test {
  QTemporaryDir folder;
  AppState app;
  MemorySettingsStore store;
  Settings settings{store};
  std::unique_ptr<CMainFrame> frame;

  void SetUp() override {
    settings.SetGamen(1200);
    app.CunningMode = 1;
    frame = std::make_unique<CMainFrame>(app, store, 900);
  }
};

TEST_F(FrameSizeTest, ThePeekButtonsFollowEveryScreenSizeAndStayWithinTheIcons) {
  PeekButtonRow& row = frame->Window().PeekButtons();
  for (const int width : {640, 1200, 1600, 800, 1024, 1400, 640}) {
    frame->ResizeForScreenSize(width);
    const double scale = width / 1200.0;
    // Right of the game number and level with the icons, as they are at this size.
    EXPECT_NEAR(row.x(), kGameNumberRect.right * scale, 10 * scale + 1) << width;
    EXPECT_NEAR(row.geometry().center().y(), (kButtonStripY + 16) * scale, 2) << width;
    const int icons = static_cast<int>(32 * scale);
    for (int i = 0; i < 4; ++i) {
      EXPECT_LE(row.Button(i).height(), icons) << width << " button " << i;
      EXPECT_GE(row.Button(i).height(), icons * 3 / 4) << width;
    }
  }
}

TEST_F(FrameSizeTest, GamenIsTheWindowWithItsFrame) {
  EXPECT_EQ(CMainFrame::ClientSizeFor(1024, QMargins(1, 20, 1, 1)), QSize(1022, 747));
  EXPECT_EQ(CMainFrame::ClientSizeFor(640, QMargins(0, 37, 0, 0)), QSize(640, 443));
  EXPECT_EQ(CMainFrame::ClientSizeFor(1600, QMargins()), QSize(1600, 1200));
  // Here no window manager draws a frame: the client is the whole window.
  EXPECT_EQ(frame->ResizeForScreenSize(800), QSize(800, 600));
  EXPECT_FLOAT_EQ(app.ScaleX, 800.0f / 1200);
}

TEST_F(FrameSizeTest, FullScreenKeepsTheTablesShapeAndIsNotStored) {
  EXPECT_EQ(CMainFrame::FullScreenPlace({1920, 1080}), QRect(240, 0, 1440, 1080));
  EXPECT_EQ(CMainFrame::FullScreenPlace({1280, 1024}), QRect(0, 32, 1280, 960));
  EXPECT_EQ(CMainFrame::FullScreenPlace({3840, 2160}), QRect(480, 0, 2880, 2160));
  EXPECT_EQ(CMainFrame::FullScreenPlace({1366, 768}), QRect(171, 0, 1024, 768));

  ASSERT_TRUE(frame->Window().LoadPictures(Pictures(folder)));
  frame->show();
  frame->Host().Timers().KillAll();  // no start-up of a game, no course selection
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  const QSize screen = frame->screen()->geometry().size();
  QTest::keyClick(&frame->Window(), Qt::Key_F11);
  QTest::qWait(50);
  ASSERT_TRUE(frame->FullScreen());
  EXPECT_EQ(frame->size(), screen);
  EXPECT_EQ(frame->Window().geometry(), CMainFrame::FullScreenPlace(screen));
  EXPECT_FLOAT_EQ(app.ScaleX, frame->Window().width() / 1200.0f);
  EXPECT_FLOAT_EQ(app.ScaleX, app.ScaleY);

  // On the map Esc is the map's; on the table it leaves full screen.
  frame->View().TableActive = 1;
  frame->View().MapShown = 1;
  QTest::keyClick(&frame->Window(), Qt::Key_Escape);
  EXPECT_TRUE(frame->FullScreen());
  EXPECT_EQ(frame->View().MapShown, 0) << "back to the table";
  QTest::keyClick(&frame->Window(), Qt::Key_Escape);
  QTest::qWait(50);
  EXPECT_FALSE(frame->FullScreen());
  EXPECT_EQ(frame->frameGeometry().size(), QSize(1200, 900)) << "the window with its frame";
  EXPECT_FLOAT_EQ(app.ScaleX, frame->Window().width() / 1200.0f);
  EXPECT_FLOAT_EQ(app.ScaleY, frame->Window().height() / 900.0f);
  EXPECT_EQ(settings.Gamen(), 1200) << "full screen leaves the chosen size as it was";

  // A screen size chosen in full screen ends it.
  frame->ToggleFullScreen();
  frame->ResizeForScreenSize(800);
  EXPECT_FALSE(frame->FullScreen());
  EXPECT_EQ(frame->frameGeometry().size(), QSize(800, 600));
  frame->View().TableActive = 0;
}

}  // namespace
}  // namespace tolva
