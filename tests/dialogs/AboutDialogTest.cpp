// The about box: its caption, the product name, and the version history in a
// read-only box, one release per line, newest first.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "dialogs/CAboutDlg.h"
#include "res/VersionHistory.h"

namespace tolva {
namespace {

QString Qt(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

TEST(AboutBox, ShowsTheVersionHistoryNewestFirstInAReadOnlyBox) {
  CAboutDlg about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
  QPlainTextEdit* box = about.HistoryBox();
  EXPECT_TRUE(box->isReadOnly());

  const QStringList lines = box->toPlainText().split('\n', Qt::SkipEmptyParts);
  const auto history = VersionHistory();
  ASSERT_EQ(static_cast<size_t>(lines.size()), history.size());
  for (size_t i = 0; i < history.size(); ++i) EXPECT_EQ(lines[i], Qt(history[i])) << i;

  // Newest first: the version numbers fall from line to line.
  const QRegularExpression number(QStringLiteral("(\\d+)\\.(\\d+)\\.(\\d+)"));
  QList<int> previous;
  for (const QString& line : lines) {
    const auto match = number.match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    const QList<int> version = {match.captured(1).toInt(), match.captured(2).toInt(),
                                match.captured(3).toInt()};
    if (!previous.isEmpty()) {
      EXPECT_LT(version, previous) << line.toStdString();
    }
    previous = version;
  }
}

TEST(AboutBox, NamesTheProductAndClosesWithOk) {
  CAboutDlg about;
  bool named = false;
  for (QLabel* label : about.findChildren<QLabel*>())
    named |= label->text() == QStringLiteral("トルヴァゲーム");
  EXPECT_TRUE(named);
  EXPECT_EQ(about.OkButton()->text(), QStringLiteral("確認 (&Y)"));
  EXPECT_FALSE(about.OkButton()->icon().isNull());

  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::keyClick(&about, Qt::Key_Return);
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace tolva
