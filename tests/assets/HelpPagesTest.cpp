// The help pages beside the executable: present after the build and equal to
// their sources, UTF-8 with the window's title, linked to each other, every
// in-page link landing on an anchor, and nothing QTextBrowser cannot show.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "tests/assets/AssetFiles.h"

namespace tolva {
namespace {

using testing::ReadWholeFile;

struct Page {
  const char* file;
  const char* title;
  const char* other;  // the page it must link to
};
constexpr Page kPages[] = {
    {"tolvagame_rule.html", "トルヴァゲームのルール", "tolvagame_sousa.html"},
    {"tolvagame_sousa.html", "トルヴァゲームの操作方法", "tolvagame_rule.html"},
    {"tolvagame_rule_en.html", "TolvaGame Rules", "tolvagame_sousa_en.html"},
    {"tolvagame_sousa_en.html", "How to Play TolvaGame", "tolvagame_rule_en.html"},
};

// Each English page and the Japanese page it translates.
constexpr std::pair<const char*, const char*> kTranslations[] = {
    {"tolvagame_rule_en.html", "tolvagame_rule.html"},
    {"tolvagame_sousa_en.html", "tolvagame_sousa.html"},
};

std::string Installed(const char* file) {
  const auto text = ReadWholeFile(std::filesystem::path(TOLVA_HELP_DIR) / file);
  return text.value_or("");
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator();
       ++it)
    found.insert((*it)[1].str());
  return found;
}

TEST(HelpPages, AreBesideTheExecutableAndMatchTheirSources) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.file);
    const auto installed = ReadWholeFile(std::filesystem::path(TOLVA_HELP_DIR) / page.file);
    ASSERT_TRUE(installed) << "missing in " << TOLVA_HELP_DIR;
    EXPECT_TRUE(installed == ReadWholeFile(std::filesystem::path(TOLVA_HELP_SOURCE_DIR) / page.file))
        << "the copy beside the executable is stale";
  }
}

TEST(HelpPages, AreUtf8AndCarryTheWindowTitle) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.file);
    const std::string html = Installed(page.file);
    EXPECT_TRUE(testing::IsValidUtf8(html));
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find(std::string("<title>") + page.title + "</title>"), std::string::npos);
  }
}

TEST(HelpPages, LinkToEachOther) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.file);
    EXPECT_NE(Installed(page.file).find(std::string("href=\"") + page.other + "\""), std::string::npos);
  }
}

TEST(HelpPages, EveryLinkLandsOnAnAnchorOrAFileBesideThem) {
  const std::regex anchor(R"re((?:id|name)="([^"]+)")re");
  const std::regex link(R"re(href="([^"]*)")re");
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.file);
    const std::string html = Installed(page.file);
    const std::set<std::string> anchors = Matches(html, anchor);
    const std::set<std::string> links = Matches(html, link);
    EXPECT_GE(links.size(), 10u) << "a table of contents is expected";
    for (const std::string& target : links) {
      SCOPED_TRACE(target);
      const auto hash = target.find('#');
      const std::string file = target.substr(0, hash);
      if (!file.empty()) {
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(TOLVA_HELP_DIR) / file));
      } else {
        EXPECT_TRUE(anchors.count(target.substr(hash + 1)));
      }
    }
  }
}

TEST(HelpPages, KeepToWhatTheHelpViewerRenders) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.file);
    const std::string html = Installed(page.file);
    for (const char* unsupported : {"<script", "<iframe", "display: flex", "display:flex", "<canvas"})
      EXPECT_EQ(html.find(unsupported), std::string::npos) << unsupported;
  }
}

TEST(HelpPages, RulesPageExplainsEveryTermOfTheGame) {
  const std::string html = Installed("tolvagame_rule.html");
  for (const char* term :
       {"サラシ", "セット", "ラン", "Ｋ－Ａ－２", "ジョーカー", "リーチ", "一発", "ポン", "カン",
        "ツモ上がり", "当たり上がり", "ロン", "リーチ上がり", "上がり", "トルヴァ", "７０", "倍率",
        "初巡", "保留コイン", "流れ", "給料", "５０枚", "10,000", "5,000", "3,000", "1,000",
        "カンニングモード", "１０ゲーム"})
    EXPECT_NE(html.find(term), std::string::npos) << term;
}

TEST(HelpPages, OperationPageNamesEveryKeyAndMenu) {
  const std::string html = Installed("tolvagame_sousa.html");
  for (const char* key : {">F1<", ">F2<", ">F3<", ">F4<", ">F5<", ">F6<", ">F7<", ">F8<", ">F9<",
                          ">F10<", "Ctrl", "Enter", "Space", "Esc", "BS", "←", "→", "↑", "↓"})
    EXPECT_NE(html.find(key), std::string::npos) << key;
  for (const char* item :
       {"ゲーム開始", "ゲーム終了", "オープンモード", "効果音", "ルール説明", "画面表示説明",
        "自動スタート", "スピード", "コンピュータのトルヴァ率", "ジョーカーの使用枚数",
        "世界地図表示", "世界地図の初期化", "カード背面の設定", "画面サイズ", "バージョン情報",
        "右クリック", "ドラッグ＆ドロップ"})
    EXPECT_NE(html.find(item), std::string::npos) << item;
}

// The English pages are translations, not summaries: every section, anchor,
// table row and point of the Japanese page is there, and their links stay
// among the English pages.
TEST(HelpPages, EnglishPagesHoldEverySectionOfTheJapaneseOnes) {
  const std::regex id(R"re(id="([^"]+)")re");
  const std::regex link(R"re(href="([^"#]+)(?:#[^"]*)?")re");
  for (const auto& [english, japanese] : kTranslations) {
    SCOPED_TRACE(english);
    const std::string en = Installed(english);
    const std::string ja = Installed(japanese);
    EXPECT_NE(en.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_EQ(Matches(en, id), Matches(ja, id));
    for (const char* element : {"<h2", "<h3", "<tr>", "<li>", "<table", "<p class=\"note\">"})
      EXPECT_EQ(Count(en, element), Count(ja, element)) << element;
    for (const std::string& target : Matches(en, link)) {
      if (target.find(".html") == std::string::npos) continue;
      EXPECT_NE(target.find("_en.html"), std::string::npos) << "leads back to Japanese: " << target;
    }
  }
}

TEST(HelpPages, EnglishRulesNameAndExplainEveryTermOfTheGame) {
  const std::string html = Installed("tolvagame_rule_en.html");
  // Each term is introduced once in the style of a term, and explained there.
  for (const char* term : {"Tolva", "Seventy", "Reach", "Pon", "Kan", "Tsumo", "Ron", "river", "stock",
                           "meld rows", "the pot", "one-shot", "first go-around", "multiplier"})
    EXPECT_NE(html.find(std::string("<span class=\"term\">") + term + "</span>"), std::string::npos) << term;
  for (const char* figure : {"10,000", "5,000", "3,000", "1,000", "50 silver coins", "ten games"})
    EXPECT_NE(html.find(figure), std::string::npos) << figure;
  // No Japanese sign is left in an English page.
  for (const auto& [english, japanese] : kTranslations) {
    const std::string page = Installed(english);
    EXPECT_EQ(page.find("\xE3\x80\x80"), std::string::npos) << english << ": a full-width space";
    EXPECT_FALSE(std::regex_search(page, std::regex("\xE3[\x81-\x83]"))) << english << ": kana";
  }
}

}  // namespace
}  // namespace tolva
