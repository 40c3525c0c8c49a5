// Which language the desktop asks for: gettext's order of the variables, and
// Japanese wherever the desktop names a language the game does not have.
#include <gtest/gtest.h>

#include "res/Language.h"

namespace tolva {
namespace {

TEST(Language, LanguageListComesFirstAndItsFirstKnownEntryDecides) {
  EXPECT_EQ(LanguageFromEnvironment("en_GB:ja", "", "", "ja_JP.UTF-8"), Language::English);
  EXPECT_EQ(LanguageFromEnvironment("ja", "en_US.UTF-8", "", "en_US.UTF-8"), Language::Japanese);
  // A language the game lacks is passed over for the next one in the list.
  EXPECT_EQ(LanguageFromEnvironment("de:fr:en", "", "", ""), Language::English);
  // A list naming none the game has falls back to the locale variables.
  EXPECT_EQ(LanguageFromEnvironment("de", "", "", "en_US.UTF-8"), Language::English);
}

TEST(Language, TheFirstLocaleVariableSetDecidesAndOthersStayJapanese) {
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "en_US.UTF-8"), Language::English);
  EXPECT_EQ(LanguageFromEnvironment("", "C.UTF-8", "", "en_US.UTF-8"), Language::Japanese);
  EXPECT_EQ(LanguageFromEnvironment("", "", "en_AU", "de_DE"), Language::English);
  EXPECT_EQ(LanguageFromEnvironment("", "", "", "de_DE.UTF-8"), Language::Japanese);
  EXPECT_EQ(LanguageFromEnvironment("", "", "", ""), Language::Japanese);
}

}  // namespace
}  // namespace tolva
