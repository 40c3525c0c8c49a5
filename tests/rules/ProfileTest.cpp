// The seats' profile texts over their name plates.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

struct Profile {
  int seat;
  std::string_view heading;
  std::string_view dates;
  size_t lines;
  std::string_view age;
};

constexpr Profile kProfiles[] = {
    {0, "アンティオコスの子、セレウコス", "【B.C.358-280】", 16, "78歳位"},
    {1, "ラゴスの子、プトレマイオス", "【367?-283B.C.】", 7, "84歳位"},
    {2, "ピリッポスの子、アンティゴノス", "【382?-301B.C.】", 10, "81歳位"},
    {3, "オロンテスの子、リュシマコス", "【355?-281B.C.】", 7, "74歳位"},
    {4, "ピリッポスの子、アレクサンドロス", "【356-323B.C.】", 13, "32歳"},
};

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Characters, not bytes: a UTF-8 continuation byte starts no character.
size_t Characters(std::string_view line) {
  size_t n = 0;
  for (const unsigned char c : line) n += (c & 0xC0) != 0x80;
  return n;
}

struct ProfileTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};
};

TEST_F(ProfileTest, EachSeatHasItsHeadingDatesAndLineCount) {
  for (const auto& p : kProfiles) {
    const std::string text = think.ProfileText(p.seat);
    ASSERT_FALSE(text.empty()) << p.seat;
    EXPECT_EQ(text.back(), '\n') << "the last line ends with a break too";
    EXPECT_EQ(text.find("\n\n"), std::string::npos) << "no empty line";
    const auto lines = LinesOf(text);
    ASSERT_EQ(lines.size(), p.lines) << p.seat;
    EXPECT_EQ(lines[0], p.heading);
    EXPECT_EQ(lines[1], p.dates);
    EXPECT_TRUE(lines.back().ends_with(p.age)) << lines.back();
  }
}

TEST_F(ProfileTest, BiographyLinesAreShort) {
  for (const auto& p : kProfiles)
    for (const auto& line : LinesOf(think.ProfileText(p.seat))) EXPECT_LE(Characters(line), 26u) << line;
}

TEST_F(ProfileTest, AnyOtherSeatShowsTheKing) {
  const std::string king = think.ProfileText(kHumanSeat);
  for (int seat : {-1, 5, 99}) EXPECT_EQ(think.ProfileText(seat), king) << seat;
  EXPECT_NE(think.ProfileText(0), king);
}

}  // namespace
}  // namespace tolva
