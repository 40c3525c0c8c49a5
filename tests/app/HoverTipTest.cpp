// The hover help's tip: over a part with a text it shows that text; over a
// part without one it keeps its text, and a shown tip stays; a tip that has
// gone (a press, the pointer leaving the window) is not popped up again with
// the old text over a part it does not describe.
#include <gtest/gtest.h>

#include <QToolTip>
#include <QWidget>
#include <QtTest/QTest>

#include "app/HoverTip.h"

namespace tolva {
namespace {

struct HoverTipTest : ::testing::Test {
  QWidget table;
  HoverTip tip{table};
  const QString stock = QStringLiteral("山札を置く場所です。");
  const QString river = QStringLiteral("川札を置く場所です。");

  void SetUp() override {
    table.resize(640, 480);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  }
  void TearDown() override {
    QToolTip::hideText();
    EXPECT_TRUE(TipGoes());
  }
  bool Shows(const QString& text) const { return QToolTip::isVisible() && QToolTip::text() == text; }
  QPoint At(int x, int y) const { return table.mapToGlobal(QPoint(x, y)); }
  // Qt lets a hidden tip linger a moment before it goes.
  static bool TipGoes() {
    return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000);
  }
};

TEST_F(HoverTipTest, APartWithATextShowsItAndAPartWithoutKeepsTheShownTip) {
  tip.PointerAt(At(300, 250), stock);
  EXPECT_TRUE(Shows(stock));
  tip.PointerAt(At(600, 450), std::nullopt);
  EXPECT_TRUE(Shows(stock)) << "the text stays in place";
  tip.PointerAt(At(380, 250), river);
  EXPECT_TRUE(Shows(river));
  EXPECT_EQ(tip.Text(), river);
}

TEST_F(HoverTipTest, AGoneTipDoesNotComeBackOverAPartWithoutText) {
  tip.PointerAt(At(300, 250), stock);
  tip.Hide();  // the pointer left the window
  ASSERT_TRUE(TipGoes());
  tip.PointerAt(At(600, 450), std::nullopt);  // back in, over the empty table
  EXPECT_FALSE(QToolTip::isVisible());
  EXPECT_EQ(tip.Text(), stock) << "the text is kept, only not shown";
  tip.PointerAt(At(300, 250), stock);  // over the stock again
  EXPECT_TRUE(Shows(stock));
}

TEST_F(HoverTipTest, ClearingForgetsTheTextAndAnEmptyTextShowsNothing) {
  tip.PointerAt(At(300, 250), stock);
  tip.Clear();
  EXPECT_TRUE(TipGoes());
  EXPECT_TRUE(tip.Text().isEmpty());
  tip.PointerAt(At(300, 250), QString());
  EXPECT_FALSE(QToolTip::isVisible());
}

}  // namespace
}  // namespace tolva
