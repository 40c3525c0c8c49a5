// Cunning mode on the desktop. The peek channel end to end: this process plays
// the game's side through the real settings store and starts the real program
// with "/W" (offscreen), which shows the chosen seat, switches seats, sizes
// itself for the hand with its right edge kept, and closes on "Now" = 4; a
// peek killed without clearing its flag does not block the next one. Then the
// pieces in this process: the peek window's kind and placement, how the main
// window offers the peek commands, the peek window's picture, and the Reach
// cue's badge on the window icon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <csignal>
#include <functional>
#include <map>

#include "app/AppState.h"
#include "app/CTolvaViewWidget.h"
#include "app/HostWindow.h"
#include "app/PeekButtonRow.h"
#include "app/PeekCommands.h"
#include "app/PeekLauncher.h"
#include "app/PeekProbe.h"
#include "app/PeekWindow.h"
#include "app/ProfileNames.h"
#include "app/QtHost.h"
#include "app/QtSettingsStore.h"
#include "rules/CardText.h"
#include "table/CTolvaView.h"
#include "table/MemorySettingsStore.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using Report = std::map<QString, QString>;

// Polls `done` until it holds or `ms` have passed, serving this process's events.
bool WaitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(20);
  }
  return true;
}

QRect FreeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// --- two processes ------------------------------------------------------------------------------

struct PeekProcessTest : ::testing::Test {
  QTemporaryDir folder;
  QString reportPath;
  QWidget mainWindow;
  std::unique_ptr<QtSettingsStore> store;
  std::unique_ptr<QtHost> host;
  std::unique_ptr<CTolvaView> view;
  std::unique_ptr<Settings> settings;

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    {
      QSettings profile(QSettings::NativeFormat, QSettings::UserScope, kProfileOrganisation,
                        kProfileApplication);
      profile.clear();
      profile.sync();
    }
    reportPath = folder.filePath(QStringLiteral("peek.txt"));
    qputenv(kPeekReportVariable, reportPath.toLocal8Bit());  // the peek inherits it
    store = std::make_unique<QtSettingsStore>();
    settings = std::make_unique<Settings>(*store);
    host = std::make_unique<QtHost>(*store, mainWindow, [] {});
    host->Peek().SetProgram(QStringLiteral(TOLVA_PROGRAM));
    view = std::make_unique<CTolvaView>(*host);
    view->t = testing::EmptyTable();
  }
  void TearDown() override {
    if (host->Peek().Running()) ::kill(static_cast<pid_t>(host->Peek().ProcessId()), SIGKILL);
    qunsetenv(kPeekReportVariable);
  }

  // The game's side: the seats' hands as the table's drawing publishes them.
  void Deal(int seat, std::string_view cards) {
    testing::SetHand(view->t, seat, cards);
    view->PublishHand(seat);
  }
  Report Read() const {
    Report report;
    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly)) return report;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
      const qsizetype equals = line.indexOf(u'=');
      if (equals > 0) report[line.left(equals)] = line.mid(equals + 1);
    }
    return report;
  }
  // Waits until the peek window reports `title` with a client area of `client`.
  bool Shows(const QString& title, const QString& client, int ms = 5000) {
    return WaitUntil(
        [&] {
          const Report r = Read();
          return r.count("title") && r.at("title") == title && r.at("client") == client;
        },
        ms);
  }
  int FrameRight() const {
    const QStringList frame = Read()["frame"].split(u',');
    return frame.size() == 4 ? frame[0].toInt() + frame[2].toInt() - 1 : -1;
  }
  static QString Codes(std::string_view cards) {
    QStringList codes;
    for (const int code : testing::Cards(cards)) codes << QString::number(code);
    return codes.join(u' ');
  }
};

TEST_F(PeekProcessTest, ThePeekWindowShowsTheSeatSwitchesResizesAndClosesOnNowFour) {
  Deal(1, "As 7h Td Kc Jk 2s 9d");
  Deal(2, "5c 6c 7c 8c");
  view->StartPeek(1);
  ASSERT_TRUE(host->Peek().Running()) << "the program was started with /W";
  EXPECT_EQ(settings->CunningView(), 1);
  EXPECT_EQ(settings->CunNow(), 1);

  ASSERT_TRUE(Shows(QStringLiteral("プトレマイオス"), QStringLiteral("333x215")));
  EXPECT_EQ(Read()["cards"], Codes("As 7h Td Kc Jk 2s 9d"));
  EXPECT_EQ(FrameRight(), FreeArea().right()) << "at the desktop's bottom-right corner";
  const QImage picture(reportPath + QStringLiteral(".png"));
  ASSERT_EQ(picture.size(), QSize(333, 215));
  EXPECT_EQ(picture.pixel(332, 3), qRgb(255, 255, 255)) << "white right of the last card";
  int inked = 0;  // the first card's index, in the strip the second card leaves free
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 30; ++x) inked += picture.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
  EXPECT_GT(inked, 100);

  // Another seat's command only switches the running window, which shrinks
  // to four cards with its right edge where it was.
  const qint64 firstPeek = host->Peek().ProcessId();
  view->StartPeek(2);
  EXPECT_EQ(host->Peek().ProcessId(), firstPeek);
  ASSERT_TRUE(Shows(QStringLiteral("アンティゴノス"), QStringLiteral("243x215"), 1500));
  EXPECT_EQ(Read()["cards"], Codes("5c 6c 7c 8c"));
  EXPECT_EQ(FrameRight(), FreeArea().right());

  // The game's window closes: the peek window follows within a poll or two
  // and clears the flag itself.
  settings->SetCunNow(kPeekClose);
  EXPECT_TRUE(WaitUntil([&] { return !host->Peek().Running(); }, 2000));
  EXPECT_TRUE(WaitUntil([&] { return settings->CunningView() == 0; }, 1000));
  EXPECT_EQ(settings->CunNow(), kPeekClose);
}

TEST_F(PeekProcessTest, JunkAndOverlongHandTextsShowAsFarAsTheyCan) {
  Deal(0, "Qs");
  view->StartPeek(0);
  ASSERT_TRUE(Shows(QStringLiteral("セレウコス"), QStringLiteral("153x215")));

  settings->SetCunHand(0, "1,2,3,4,5,6,7,8,9,10,");
  ASSERT_TRUE(Shows(QStringLiteral("セレウコス"), QStringLiteral("363x215"), 1500));
  EXPECT_EQ(Read()["cards"], QStringLiteral("1 2 3 4 5 6 7 8"));

  settings->SetCunHand(0, "x,999,-4,53,");
  ASSERT_TRUE(Shows(QStringLiteral("セレウコス"), QStringLiteral("243x215"), 1500));
  EXPECT_EQ(Read()["cards"], QStringLiteral("0 0 0 53"));

  // An empty text leaves the picture as it was.
  settings->SetCunHand(0, "");
  EXPECT_TRUE(WaitUntil([&] { return Read()["hand"].isEmpty(); }, 1500));
  EXPECT_EQ(Read()["cards"], QStringLiteral("0 0 0 53"));
  EXPECT_TRUE(host->Peek().Running());
}

TEST_F(PeekProcessTest, APeekKilledWithoutClearingItsFlagDoesNotBlockTheNext) {
  Deal(3, "Kh Kd");
  view->StartPeek(3);
  ASSERT_TRUE(Shows(QStringLiteral("リュシマコス"), QStringLiteral("183x215")));
  const qint64 killed = host->Peek().ProcessId();
  ASSERT_EQ(::kill(static_cast<pid_t>(killed), SIGKILL), 0);
  ASSERT_TRUE(WaitUntil([&] { return !host->Peek().Running(); }, 2000));
  ASSERT_EQ(settings->CunningView(), 1) << "the killed peek could not clear its flag";

  QFile::remove(reportPath);
  view->StartPeek(3);
  EXPECT_NE(host->Peek().ProcessId(), killed);
  EXPECT_TRUE(Shows(QStringLiteral("リュシマコス"), QStringLiteral("183x215")));
}

TEST_F(PeekProcessTest, PeekingAtAnEmptyHandStartsNothingButChoosesTheSeat) {
  Deal(2, "");
  view->StartPeek(2);
  EXPECT_EQ(host->Peek().ProcessId(), 0);
  EXPECT_EQ(settings->CunNow(), 2);
  EXPECT_EQ(settings->CunningView(), 0);
}

TEST(PeekLauncher, OnlyARunningPeekInstanceCounts) {
  EXPECT_FALSE(IsPeekProcess(0));
  EXPECT_FALSE(IsPeekProcess(-1));
  EXPECT_FALSE(IsPeekProcess(QCoreApplication::applicationPid())) << "no /W on this one";
  EXPECT_FALSE(PeekLauncher().Running()) << "none started";
}

TEST(PeekLauncher, AProgramThatCannotBeStartedFails) {
  PeekLauncher launcher(QStringLiteral("/nonexistent/TolvaGame"));
  EXPECT_FALSE(launcher.Start());
  EXPECT_FALSE(launcher.Running());
}

// --- the peek window's kind and place -----------------------------------------------------------

TEST(PeekWindowPlace, AToolWindowOnTopThatTakesNoFocus) {
  QWidget window;
  MakePeekWindow(window);
  EXPECT_EQ(window.windowType(), Qt::Tool);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(PeekWindowPlace, ItGrowsAndShrinksAboutItsBottomRightCorner) {
  QWidget window;
  MakePeekWindow(window);
  window.setFixedSize(kPeekStartWidth, kPeekStartHeight);
  PlaceAtDesktopCorner(window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // Shown, the window has its frame (this platform draws one of two pixels):
  // placed again, the frame's corner is the desktop's.
  PlaceAtDesktopCorner(window);
  EXPECT_EQ(window.frameGeometry().bottomRight(), FreeArea().bottomRight());

  ResizeKeepingCorner(window, QSize(PeekClientWidth(4), kPeekClientHeight));
  EXPECT_EQ(window.size(), QSize(243, 215));
  EXPECT_EQ(window.frameGeometry().bottomRight(), FreeArea().bottomRight());

  // Moved away by the player, it keeps its corner where he put it.
  window.move(100, 100);
  const QPoint corner = window.frameGeometry().bottomRight();
  ResizeKeepingCorner(window, QSize(PeekClientWidth(8), kPeekClientHeight));
  EXPECT_EQ(window.frameGeometry().bottomRight(), corner);

  // A corner beyond the desktop comes back inside it.
  window.move(FreeArea().right() + 50, FreeArea().bottom() + 50);
  ResizeKeepingCorner(window, QSize(PeekClientWidth(7), kPeekClientHeight));
  EXPECT_EQ(window.frameGeometry().bottomRight(), FreeArea().bottomRight());
}

// --- the main window's peek commands and the peek window's picture ---------------------------------

struct PeekOfferTest : ::testing::Test {
  AppState app;
  MemorySettingsStore store;
  Settings settings{store};
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CTolvaView view{host};
  CTolvaViewWidget window{app, view, host};

  void SetUp() override {
    host.AttachWindow(window);
    app.ScaleX = app.ScaleY = 1.0f;
    app.CunningMode = 1;
    view.CunningMode = 1;
    view.t = testing::EmptyTable();
    view.TableActive = 1;
    view.Initialising = 0;
    window.resize(1200, 900);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override { host.Timers().KillAll(); }
  bool ButtonsShown() {
    window.RedrawScene(false);
    return window.PeekButtons().isVisible();
  }
};

TEST_F(PeekOfferTest, TheButtonsShowWithTheTableInCunningMode) {
  EXPECT_TRUE(ButtonsShown());
  view.MapShown = 1;
  EXPECT_FALSE(ButtonsShown()) << "not over the map";
  view.MapShown = 0;
  view.CunningMode = 0;
  EXPECT_FALSE(ButtonsShown()) << "not outside the beginner course";
  view.CunningMode = 1;
  app.CunningMode = 0;
  EXPECT_FALSE(ButtonsShown()) << "not on a display without cunning mode";
  app.CunningMode = 1;
  view.TableActive = 0;
  EXPECT_FALSE(ButtonsShown()) << "not without a table";
}

TEST_F(PeekOfferTest, TheButtonsStandInTheSeatsOrderWithTheirTooltips) {
  // Left to right as the seats sit round the table: 3, 2, 1, 0.
  for (int i = 0; i < 4; ++i) {
    QToolButton& button = window.PeekButtons().Button(i);
    const int seat = 3 - i;
    const std::string_view name = kSeatNames[seat];
    EXPECT_EQ(button.toolTip(), QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                                    QStringLiteral("の\n手札のカンニング"));
    EXPECT_FALSE(button.icon().isNull()) << "bitmap 166, image " << i;
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
  }
  ASSERT_TRUE(ButtonsShown());
  const QRect row = window.PeekButtons().geometry();
  EXPECT_LT(row.top(), 52) << "level with the icons";
  EXPECT_GT(row.left(), 237) << "right of the game number";
}

TEST_F(PeekOfferTest, AButtonChoosesItsSeatAndStartsThePeekForAHand) {
  ASSERT_TRUE(ButtonsShown());
  QTest::mouseClick(&window.PeekButtons().Button(0), Qt::LeftButton);
  EXPECT_EQ(settings.CunNow(), 3);
  EXPECT_EQ(host.Peek().ProcessId(), 0) << "seat 3 holds no card";

  testing::SetHand(view.t, 0, "Kh Kd");
  host.Peek().SetProgram(QStringLiteral("/bin/true"));  // a program that starts and ends
  QTest::mouseClick(&window.PeekButtons().Button(3), Qt::LeftButton);
  EXPECT_EQ(settings.CunNow(), 0);
  EXPECT_NE(host.Peek().ProcessId(), 0);
  EXPECT_EQ(settings.CunningView(), 1);
}

struct PeekPictureWindowTest : ::testing::Test {
  AppState app;
  MemorySettingsStore store;
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CTolvaView view{host};
  std::unique_ptr<CTolvaViewWidget> window;

  void SetUp() override {
    app.PeekInstance = 1;
    window = std::make_unique<CTolvaViewWidget>(app, view, host);
    host.AttachWindow(*window);
    window->resize(PeekClientWidth(2), kPeekClientHeight);
    Surfaces& s = window->DrawingSurfaces();
    s.CardSheet = QImage(13 * kCardWidth, 4 * kCardHeight, QImage::Format_RGB32);
    s.CardSheet.fill(qRgb(200, 30, 30));
    s.Digits = QImage(590, 59, QImage::Format_ARGB32_Premultiplied);
    s.Digits.fill(qRgb(20, 20, 200));
  }
  void TearDown() override { host.Timers().KillAll(); }
};

TEST_F(PeekPictureWindowTest, TheWindowIsWhiteUntilTheFirstHandComes) {
  const QImage before = window->WindowPicture();
  EXPECT_EQ(before.pixel(PeekClientWidth(2) / 2, kPeekClientHeight / 2), qRgb(255, 255, 255))
      << "no points yet";
  EXPECT_FALSE(window->PeekButtons().isVisible());

  testing::SetHand(view.t, 0, "5s 9h");
  view.LastPeekText = "5,22,";
  const QImage after = window->WindowPicture();
  EXPECT_EQ(after.pixel(10, 100), qRgb(200, 30, 30)) << "the first card";
  EXPECT_EQ(after.pixel(PeekClientWidth(2) / 2, kPeekClientHeight / 2), qRgb(20, 20, 200))
      << "the points";
}

// --- the Reach cue's badge ----------------------------------------------------------------------

// Counts the redraws the host asks of the table's window.
struct CountingWindow : HostWindow {
  int redraws = 0;
  void RedrawScene(bool) override { ++redraws; }
  void ShowResultPicture(ResultPicture) override {}
  void FlashSeatHand(int) override {}
  void Dissolve(bool) override {}
  bool PrepareCardBacks() override { return true; }
  void ShowCommandMenu(int) override {}
  void MapViewChanged() override {}
};

TEST(ReachBadge, TheWindowIconShowsTheBadgeAndThenTheProgramsIconAgain) {
  const QIcon programIcon(QStringLiteral(":/icons/tolvagame.png"));
  const QIcon before = QApplication::windowIcon();
  QApplication::setWindowIcon(programIcon);
  MemorySettingsStore store;
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CountingWindow table;
  host.AttachWindow(table);
  const auto pixels = [](const QIcon& icon) { return icon.pixmap(32, 32).toImage(); };

  host.ShowReachBadge(169);
  EXPECT_EQ(pixels(mainWindow.windowIcon()), pixels(QIcon(QStringLiteral(":/icons/169.png"))));
  host.ShowReachBadge(168);
  EXPECT_EQ(pixels(mainWindow.windowIcon()), pixels(QIcon(QStringLiteral(":/icons/168.png"))));
  host.ShowReachBadge(0);
  EXPECT_EQ(pixels(mainWindow.windowIcon()), pixels(programIcon));
  // Each change goes out with a picture of the window: Qt draws the icon in
  // its own title bar on Wayland only with the window's next picture.
  EXPECT_EQ(table.redraws, 3);
  QApplication::setWindowIcon(before);
}

}  // namespace
}  // namespace tolva
