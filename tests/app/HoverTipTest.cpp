// The hover help's tip: over a part with a text it shows that text; over a
// part without one it keeps its text, and a shown tip stays; a tip that has
// gone (a press, the pointer leaving the window) is not popped up again with
// the old text over a part it does not describe, but comes back at once over
// a part it does describe, the same text included.
#include <gtest/gtest.h>

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
  bool Shows(const QString& text) const { return tip.Shown() && tip.Text() == text; }
  QPoint At(int x, int y) const { return table.mapToGlobal(QPoint(x, y)); }
};

TEST_F(HoverTipTest, APartWithATextShowsItAndAPartWithoutKeepsTheShownTip) {
  tip.PointerAt(At(300, 250), stock);
  EXPECT_TRUE(Shows(stock));
  const QRect first = tip.ShownGeometry();
  tip.PointerAt(At(600, 450), std::nullopt);
  EXPECT_TRUE(Shows(stock)) << "the text stays in place";
  tip.PointerAt(At(310, 255), stock);
  EXPECT_EQ(tip.ShownGeometry(), first) << "the same tip does not follow the pointer";
  tip.PointerAt(At(380, 250), river);
  EXPECT_TRUE(Shows(river));
}

TEST_F(HoverTipTest, AGoneTipDoesNotComeBackOverAPartWithoutText) {
  tip.PointerAt(At(300, 250), stock);
  tip.Hide();  // the pointer left the window
  EXPECT_FALSE(tip.Shown()) << "the tip goes at once";
  tip.PointerAt(At(600, 450), std::nullopt);  // back in, over the empty table
  EXPECT_FALSE(tip.Shown());
  EXPECT_EQ(tip.Text(), stock) << "the text is kept, only not shown";
  tip.PointerAt(At(300, 250), stock);  // over the stock again, at once
  EXPECT_TRUE(Shows(stock));
}

TEST_F(HoverTipTest, ClearingForgetsTheTextAndAnEmptyTextShowsNothing) {
  tip.PointerAt(At(300, 250), stock);
  tip.Clear();
  EXPECT_FALSE(tip.Shown());
  EXPECT_TRUE(tip.Text().isEmpty());
  tip.PointerAt(At(300, 250), QString());
  EXPECT_FALSE(tip.Shown());
}

}  // namespace
}  // namespace tolva
