// The about box: its texts, and a version history that leads with the
// version being built.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "res/VersionHistory.h"
#include "tests/assets/AssetFiles.h"

namespace tolva {
namespace {

// "Version 1.2.3 ..." -> (1, 2, 3); nothing parsed gives (-1, -1, -1).
std::tuple<int, int, int> VersionOf(std::string_view line) {
  int major = -1, minor = -1, patch = -1;
  const std::string text(line);
  if (std::sscanf(text.c_str(), "Version %d.%d.%d", &major, &minor, &patch) != 3) return {-1, -1, -1};
  return {major, minor, patch};
}

TEST(VersionHistory, TheNewestEntryIsTheVersionBeingBuilt) {
  ASSERT_FALSE(VersionHistory().empty());
  EXPECT_EQ(VersionHistory().front().substr(0, 8 + std::string_view(TOLVA_PROJECT_VERSION).size()),
            std::string("Version ") + TOLVA_PROJECT_VERSION);
}

TEST(VersionHistory, EntriesGoFromNewestToOldest) {
  const auto history = VersionHistory();
  for (std::size_t i = 0; i < history.size(); ++i) {
    SCOPED_TRACE(history[i]);
    EXPECT_NE(VersionOf(history[i]), std::make_tuple(-1, -1, -1));
    if (i > 0) {
      EXPECT_LT(VersionOf(history[i]), VersionOf(history[i - 1]));
    }
  }
}

TEST(VersionHistory, TextHoldsEveryEntryOnALineOfItsOwn) {
  std::string expected;
  for (std::string_view line : VersionHistory()) expected += std::string(line) + "\n";
  EXPECT_EQ(VersionHistoryText(), expected);
  for (std::string_view line : VersionHistory()) EXPECT_EQ(line.find('\n'), std::string_view::npos);
}

TEST(AboutBox, TextsAreFilledInAndUtf8) {
  EXPECT_EQ(kAboutProductName, "トルヴァゲーム");
  for (std::string_view text : {kAboutSubtitle, kAboutNotice}) {
    EXPECT_FALSE(text.empty());
    EXPECT_TRUE(testing::IsValidUtf8(text));
  }
}

}  // namespace
}  // namespace tolva
