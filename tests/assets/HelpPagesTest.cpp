// The help pages beside the executable: present after the build and equal to
// their sources, UTF-8 with the window's title, linked to each other, every
// in-page link landing on an anchor, and nothing QTextBrowser cannot show.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

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
};

std::string Installed(const char* file) {
  const auto text = ReadWholeFile(std::filesystem::path(TOLVA_HELP_DIR) / file);
  return text.value_or("");
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

}  // namespace
}  // namespace tolva
