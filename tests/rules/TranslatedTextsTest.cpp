// The texts of the layers without Qt in another language: the translator the
// shell installs is asked for each text once, in its context, and the places
// of a pattern are filled in the translation's order. (That the Japanese
// stays as written without one, the Japanese tests of every layer show.)
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "res/StringTable.h"
#include "res/Translation.h"
#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::SetHand;

// A small dictionary standing in for the compiled translations; it counts
// the questions it is asked.
struct Dictionary {
  std::map<std::string, std::string> entries;
  int asked = 0;

  TextTranslator Translator() {
    return [this](std::string_view context, std::string_view text) {
      ++asked;
      const auto it = entries.find(std::string(context) + "|" + std::string(text));
      return it == entries.end() ? std::string(text) : it->second;
    };
  }
};

struct TranslatedTextsTest : ::testing::Test {
  Dictionary english;
  void TearDown() override { InstallTextTranslator({}); }
};

TEST(FillInTest, PlacesArgumentsByNumberInAnyOrderAndLeavesOthersAlone) {
  EXPECT_EQ(FillIn("%2 by %1", {"Ptolemy", "Tsumo win"}), "Tsumo win by Ptolemy");
  EXPECT_EQ(FillIn("『 %1 の%2』", {"セレウコス", "上がり"}), "『 セレウコス の上がり』");
  EXPECT_EQ(FillIn("%1%% and %3", {"50"}), "50%% and %3");
  EXPECT_EQ(FillIn("100%", {"x"}), "100%");
}

TEST_F(TranslatedTextsTest, EachTextIsAskedForOnceInItsContextAndKept) {
  english.entries = {{"StringTable|「ポン」しますか", "Call Pon?"},
                     {"Courses|プロ", "Pro"},
                     {"SeatNames|セレウコス", "Seleucus"}};
  InstallTextTranslator(english.Translator());
  const std::string_view first = StringText(kMsgAskPon);
  EXPECT_EQ(first, "Call Pon?");
  EXPECT_EQ(CourseName(4), "Pro");
  EXPECT_EQ(SeatName(0), "Seleucus");
  const int asked = english.asked;
  EXPECT_EQ(StringText(kMsgAskPon).data(), first.data()) << "the same text, kept";
  EXPECT_EQ(english.asked, asked);
  // The same Japanese in another context is a text of its own.
  EXPECT_EQ(Translated(text_context::kTitles, "プロ"), "プロ");

  InstallTextTranslator({});
  EXPECT_EQ(StringText(kMsgAskPon), "「ポン」しますか");
}

TEST_F(TranslatedTextsTest, TheSettlementIsBuiltFromTranslatedLinesAndNames) {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};
  for (int seat = 0; seat < kSeats; ++seat) SetHand(t, seat, "2s 3s");
  SetHand(t, 2, "Jk 3s");
  t.ResultSeat = 1;
  t.ResultKind = kTsumo;
  t.FirstRound = 1;
  t.PendingPool = 3;
  english.entries = {
      {"Settlement|『 %1 の%2』\n\n", "“%2 by %1”\n\n"},
      {"Settlement|[初巡 - ２倍]\n", "[First round – double]\n"},
      {"Settlement| (Joker %1枚, %2倍)", " (Jokers: %1, ×%2)"},
      {"Settlement|リーチ料のストック = %1\n", "Reach stakes pool = %1\n"},
      {"ResultKinds|ツモ上がり", "Tsumo win"},
      {"SeatNames|セレウコス", "Seleucus"},
      {"SeatNames|プトレマイオス", "Ptolemy"},
      {"SeatNames|アンティゴノス", "Antigonus"},
      {"SeatNames|リュシマコス", "Lysimachus"},
      {"SeatNames|アレクサンドロス", "Alexander"},
  };
  InstallTextTranslator(english.Translator());
  const std::string rule = std::string(42, '-') + "\n";
  EXPECT_EQ(think.SettleGame(), "“Tsumo win by Ptolemy”\n\n"
                                "[First round – double]\n" +
                                    rule +
                                    "Seleucus = -2\n"
                                    "Antigonus = -4 (Jokers: 1, ×2)\n"
                                    "Lysimachus = -2\n"
                                    "Alexander = -2\n" +
                                    rule + "Reach stakes pool = 3\n" + rule + "Ptolemy = 13\n");
}

}  // namespace
}  // namespace tolva
