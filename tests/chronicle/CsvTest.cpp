// The export: a heading and one line per game with as many fields, a field
// with a comma or a quote quoted as RFC 4180 says, drawn games named, and the
// calls of a game recorded before they were counted left empty.
#include <gtest/gtest.h>

#include <QStringList>

#include "dialogs/ChronicleCsv.h"
#include "tests/chronicle/Samples.h"

namespace tolva {
namespace {

using testing::Game;

// Splits one CSV line into its fields (quotes as RFC 4180).
QStringList Fields(const QString& line) {
  QStringList fields{QString()};
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
      fields.back() += c;
      ++i;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (c == u',' && !quoted) {
      fields << QString();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEST(ChronicleCsv, OneLinePerGameWithEveryFieldInItsColumn) {
  ChronicleData data;
  data.campaigns.push_back({});
  GameFinished odd = Game("", kRon, 4, 16, 1016, 3, 2);
  odd.cityName = "Tyre, \"the rock\"";
  odd.seats[2].reach = odd.seats[4].reach = true;
  odd.seats[4].calls = 1;
  data.games.push_back({0, 0, odd, true});
  data.games.push_back({0, 60, Game("", kDrawnResult, 1, 0, 1016), false});

  const QStringList lines = QString::fromUtf8(ChronicleCsv(data)).split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 4) << "a heading, two games, and the last line break";
  EXPECT_TRUE(lines[3].isEmpty());
  const QStringList heading = Fields(lines[0]);
  const QStringList ron = Fields(lines[1]);
  const QStringList drawn = Fields(lines[2]);
  EXPECT_EQ(heading.size(), 28);
  EXPECT_EQ(ron.size(), heading.size());
  EXPECT_EQ(drawn.size(), heading.size());

  auto column = [&](const QString& name) { return heading.indexOf(name); };
  EXPECT_EQ(ron[column(QStringLiteral("都市"))], QStringLiteral("Tyre, \"the rock\""));
  EXPECT_EQ(ron[column(QStringLiteral("結果"))], QStringLiteral("アレクサンドロスの当たり上がり"));
  EXPECT_EQ(ron[column(QStringLiteral("振り込んだ席"))], QStringLiteral("セレウコス"));
  EXPECT_EQ(ron[column(QStringLiteral("支払い（アレクサンドロス）"))], QStringLiteral("16"));
  EXPECT_EQ(ron[column(QStringLiteral("軍資金（アレクサンドロス）"))], QStringLiteral("1016"));
  EXPECT_EQ(ron[column(QStringLiteral("リーチ"))], QStringLiteral("アンティゴノス・アレクサンドロス"));
  EXPECT_EQ(ron[column(QStringLiteral("ポン・カン（アレクサンドロス）"))], QStringLiteral("1"));
  EXPECT_EQ(ron[column(QStringLiteral("コース"))], QStringLiteral("中級"));
  EXPECT_EQ(drawn[column(QStringLiteral("結果"))], QStringLiteral("流れ"));
  EXPECT_EQ(drawn[column(QStringLiteral("振り込んだ席"))], QString());
  EXPECT_EQ(drawn[column(QStringLiteral("ポン・カン（アレクサンドロス）"))], QString());
}

}  // namespace
}  // namespace tolva
