// The chronicle window on a chronicle of two campaigns: it opens on the
// campaign under way (or the latest, when the one under way has no game yet),
// lists the campaigns newest first with "all" last, and every part of it is
// reached from the keyboard; its export is the CSV of what it shows; a file
// it cannot read says so; its charts fill the window at the smallest and the
// largest size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest/QTest>

#include "chronicle/ChronicleStore.h"
#include "dialogs/ChronicleCsv.h"
#include "dialogs/ChronicleWindow.h"
#include "tests/chronicle/Samples.h"

namespace tolva {
namespace {

using testing::Game;

struct ChronicleWindowTest : ::testing::Test {
  testing::ScratchFolder folder;
  QString file = folder.File();
  QString current = QStringLiteral("b");

  void SetUp() override {
    ChronicleStore store(file);
    // Noon (UTC) of 2024-04-01 and of 2024-05-01: the same dates in any time zone.
    constexpr std::int64_t kApril = 1711972800, kMay = 1714564800;
    store.Write(CampaignBegan{"a", 4, {0, 0, 0, 0, 1000}}, kApril);
    for (int n = 1; n <= 12; ++n)
      store.Write(Game("a", n % 3 ? kTsumo : kRon, n % 5, n % 2 ? 5 : -7, 1000 + n, 1 + n / 11, n),
                  kApril + n);
    store.Write(CityConquered{"a", 1, "アンフィポリス"}, kApril + 100);
    store.Write(CampaignEnded{"a", CampaignEnding::PurseUsedUp}, kApril + 200);
    store.Write(CampaignBegan{"b", 2, {0, 0, 0, 0, 5000}}, kMay);
    for (int n = 1; n <= 3; ++n) store.Write(Game("b", kWentOut, 4, 9, 5000 + 9 * n), kMay + n);
  }

  std::unique_ptr<ChronicleWindow> Window() {
    return std::make_unique<ChronicleWindow>(file, [this] { return current; });
  }
  static QComboBox& Choice(ChronicleWindow& w) { return *w.findChild<QComboBox*>(); }
  static QTabWidget& Pages(ChronicleWindow& w) { return *w.findChild<QTabWidget*>(); }
};

TEST_F(ChronicleWindowTest, ItOpensOnTheCampaignUnderWayAndOffersTheOthersAndAll) {
  const auto window = Window();
  window->show();
  EXPECT_EQ(window->ShownCampaign(), QStringLiteral("b"));
  EXPECT_EQ(window->Figures().games, 3);
  EXPECT_EQ(window->Figures().seats[kHumanSeat].wins, 3);
  QComboBox& choice = Choice(*window);
  ASSERT_EQ(choice.count(), 3);
  EXPECT_EQ(choice.itemText(0), QStringLiteral("第2次遠征（中級コース）2024/05/01 〜 進行中"));
  EXPECT_EQ(choice.itemText(1), QStringLiteral("第1次遠征（プロコース）2024/04/01 〜 2024/04/01"));
  EXPECT_EQ(choice.itemText(2), QStringLiteral("すべての遠征"));

  window->ShowCampaign({});
  EXPECT_EQ(window->Figures().games, 15);
  EXPECT_EQ(window->Data().conquests.size(), 1u);
  window->hide();
  window->show();  // opened again: the campaign under way first
  EXPECT_EQ(window->ShownCampaign(), QStringLiteral("b"));

  current = QStringLiteral("new, no game yet");
  window->hide();
  window->show();
  EXPECT_EQ(window->ShownCampaign(), QStringLiteral("b")) << "the latest campaign";
}

TEST_F(ChronicleWindowTest, EveryPartIsReachedFromTheKeyboard) {
  const auto window = Window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const int page : {2, 3, 4, 1}) {
    QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_0 + page), Qt::AltModifier);
    EXPECT_EQ(Pages(*window).currentIndex(), page - 1);
  }
  QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), &Choice(*window));
  QTest::keyClick(&Choice(*window), Qt::Key_Down);  // the next campaign
  EXPECT_EQ(window->ShownCampaign(), QStringLiteral("a"));
  EXPECT_EQ(window->Figures().games, 12);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(ChronicleWindowTest, TheExportIsTheCsvOfWhatIsShownAndAnUnreadableFileSaysSo) {
  const auto window = Window();
  window->show();
  window->ShowCampaign(QStringLiteral("a"));
  const QString csv = folder.File("out.csv");
  ASSERT_TRUE(window->ExportTo(csv));
  EXPECT_EQ(testing::Contents(csv), ChronicleCsv(window->Data()));
  EXPECT_FALSE(window->ExportTo(folder.File("no folder/out.csv")));

  testing::Write(file, QByteArray(3000, 'x'));
  window->Reload();
  EXPECT_FALSE(window->ReadError().isEmpty());
  EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("games"))->text().startsWith(
      QStringLiteral("戦績を読み込めませんでした")));
  EXPECT_EQ(window->Figures().games, 0);
}

// The purse chart's red line, counted in a picture of the window.
int PurseLinePixels(ChronicleWindow& window) {
  const QImage shot = window.grab().toImage();
  int red = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      red += c.red() > 140 && c.green() < 80 && c.blue() < 90 ? 1 : 0;
    }
  return red;
}

TEST_F(ChronicleWindowTest, ThePurseChartFillsTheWindowFromTheSmallestToTheLargestSize) {
  const auto window = Window();
  window->show();
  window->ShowCampaign({});
  Pages(*window).setCurrentIndex(1);
  window->resize(window->minimumSize());
  QApplication::processEvents();
  const int small = PurseLinePixels(*window);
  window->resize(1600, 1200);
  QApplication::processEvents();
  const int large = PurseLinePixels(*window);
  EXPECT_GT(small, 200);
  // Drawn anew at each size: longer, and as thin as before (a stretched
  // picture would grow with the area, some nine times).
  EXPECT_GT(large, small * 3 / 2);
  EXPECT_LT(large, small * 5);
}

}  // namespace
}  // namespace tolva
