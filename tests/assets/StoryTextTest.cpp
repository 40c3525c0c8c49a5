// The story text of the course selection: its 44 lines, the fixed lines
// word for word (spaces included) at their places, and every line narrow
// enough for the dialog's text area.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "res/StoryText.h"
#include "tests/assets/AssetFiles.h"

namespace tolva {
namespace {

using testing::DisplayColumns;
using testing::IsValidUtf8;

std::string_view Line(int number) { return kStoryLines.at(static_cast<std::size_t>(number - 1)); }

TEST(StoryText, HasFortyFourLinesOfWhichTheDialogDrawsThirtyNine) {
  EXPECT_EQ(kStoryLines.size(), 44u);
  EXPECT_EQ(kStoryDrawnLines, 39);
}

TEST(StoryText, FixedLinesStandWordForWordAtTheirPlaces) {
  // Line numbers count from 1, as the dialog draws them.
  const std::pair<int, std::string_view> fixed[] = {
    {3, "　           　トルヴァゲーム"},
    {7, "【ストーリー】"},
    {9, "  このゲームは紀元前３３４年から３２３年までの間に"},
    {13, "なくなるまで、ゲームを続けることができます。"},
    {15, "  大王はゲーム１０回毎に地図の経路を１つ進むことが"},
    {21, "になります。"},
    {23, "  このゲームの最終目標は、地図上の経路を全てたどり"},
    {26, "させることです。"},
    {28, "【注意】"},
    {29, "  １．ゲームを途中で終了してもそれまでの獲得コイン"},
    {30, "　　数は記憶されます。"},
    {31, "　２．部下のコイン数はマイナスになることもあります"},
    {32, "　　がゲームは終了しません。"},
    {35, "                        企画・製作"},
    {44, "                    幸運をお祈り致します"},
  };
  for (const auto& [number, text] : fixed) {
    SCOPED_TRACE(number);
    EXPECT_EQ(Line(number), text);
  }
}

TEST(StoryText, BlankLinesSeparateTheParagraphs) {
  for (int number : {1, 2, 5, 6, 8, 14, 22, 27, 33, 34, 36, 38, 39, 40, 41, 42, 43}) {
    SCOPED_TRACE(number);
    EXPECT_TRUE(Line(number).empty());
  }
}

TEST(StoryText, OurOwnLinesAreFilledIn) {
  // The subtitle, the story lines between each paragraph's first and last
  // line, and the maker's name.
  for (int number : {4, 10, 11, 12, 16, 17, 18, 19, 20, 24, 25, 37}) {
    SCOPED_TRACE(number);
    EXPECT_FALSE(Line(number).empty());
    EXPECT_NE(Line(number).find_first_not_of(" "), std::string_view::npos);
  }
}

TEST(StoryText, TheWishOfGoodLuckIsNotDrawn) {
  const int lastDrawn = kStoryDrawnLines;
  for (int number = 1; number <= lastDrawn; ++number) {
    EXPECT_EQ(Line(number).find("幸運"), std::string_view::npos) << number;
  }
  EXPECT_NE(Line(44).find("幸運"), std::string_view::npos);
}

TEST(StoryText, EveryLineIsUtf8AndFitsTheTextArea) {
  // About 25 full-width characters fit the dialog's 300-odd pixels at 16 px;
  // the widest fixed lines take exactly that.
  constexpr int kColumns = 50;
  for (int number = 1; number <= static_cast<int>(kStoryLines.size()); ++number) {
    SCOPED_TRACE(number);
    EXPECT_TRUE(IsValidUtf8(Line(number)));
    EXPECT_LE(DisplayColumns(Line(number)), kColumns);
  }
}

TEST(StoryText, WidthCountsFullWidthCharactersTwice) {
  EXPECT_EQ(DisplayColumns("  ab"), 4);
  EXPECT_EQ(DisplayColumns("　トルヴァ"), 10);
  EXPECT_EQ(DisplayColumns("〜１．"), 6);
  EXPECT_EQ(DisplayColumns("\xE3\x81"), -1);  // cut off in the middle of a character
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));        // overlong form of '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));    // a surrogate
}

}  // namespace
}  // namespace tolva
