#include "app/MenuModel.h"

#include <array>
#include <cstddef>
#include <utility>

#include "app/CommandIds.h"
#include "res/ChronicleTexts.h"
#include "table/OpenMode.h"
#include "table/SettingsSchema.h"

namespace tolva {

MenuItem MenuItem::Command(std::string text, int id, bool checked, bool enabled) {
  MenuItem item;
  item.kind = Kind::Command;
  item.text = std::move(text);
  item.id = id;
  item.checked = checked;
  item.enabled = enabled;
  return item;
}

MenuItem MenuItem::Separator() {
  MenuItem item;
  item.kind = Kind::Separator;
  return item;
}

MenuItem MenuItem::Popup(std::string text, std::vector<MenuItem> items) {
  MenuItem item;
  item.kind = Kind::Popup;
  item.text = std::move(text);
  item.items = std::move(items);
  return item;
}

int SpeedChoice(int speed) { return speed >= 1 && speed <= 5 ? speed : 5; }
int TolvaRateChoice(int storedRate) { return storedRate == 1 || storedRate == 3 ? storedRate : 2; }
int JokerChoice(int storedJokers) {
  return storedJokers == 4 || storedJokers == 6 ? storedJokers : 2;
}
int ScreenWidthChoice(int storedGamen) {
  for (const int width : kScreenWidths)
    if (storedGamen == width) return width;
  return kScreenWidths[0];
}
int ZoomChoice(int storedZoom) { return storedZoom == 2 || storedZoom == 3 ? storedZoom : 1; }

namespace {

// The five items of each speed pop-up, fastest first.
constexpr std::array<const char*, 5> kSpeedTexts{"超速い(&E)", "速い(&F)", "普通(&N)", "遅い(&S)",
                                                 "超遅い(&T)"};

MenuItem SpeedPopup(const char* text, const std::array<int, 5>& ids, int speed) {
  MenuItems items;
  const int checked = SpeedChoice(speed);
  for (std::size_t i = 0; i < ids.size(); ++i)
    items.push_back(MenuItem::Command(kSpeedTexts[i], ids[i], checked == static_cast<int>(i) + 1));
  return MenuItem::Popup(text, std::move(items));
}

MenuItems StartMenu(const MenuState& s) {
  return {
      MenuItem::Command("ゲーム開始(&P)", kCmdStartGame, false,
                        !s.tableActive && s.startUpDone),
      MenuItem::Separator(),
      MenuItem::Command("ゲーム終了(&X)", kCmdExit),
  };
}

MenuItems SettingsMenu(const MenuState& s) {
  const MenuItem speeds = MenuItem::Popup(
      "スピード" "(&S)",
      {
          SpeedPopup("打ち手間隔(&M)", kCmdManSpeed, s.manSpeed),
          SpeedPopup("カードの動き(&C)", kCmdCardSpeed, s.cardSpeed),
          SpeedPopup("札置き間隔(&P)", kCmdPonSpeed, s.ponSpeed),
      });

  const int rate = TolvaRateChoice(s.tolvaRitu);
  const MenuItem tolvaRate = MenuItem::Popup(
      "コンピュータのトルヴァ率(&X)",
      {
          MenuItem::Command("高確率(&1)", kCmdTolvaRate[0], rate == 1),
          MenuItem::Command("中確率(&2)", kCmdTolvaRate[1], rate == 2),
          MenuItem::Command("低確率(&3)", kCmdTolvaRate[2], rate == 3),
      });

  const int jokers = JokerChoice(s.joker);
  const MenuItem jokerCount = MenuItem::Popup(
      "ジョーカーの使用枚数(&J)",
      {
          MenuItem::Command("2枚(&2)", kCmdJoker[0], jokers == 2),
          MenuItem::Command("4枚(&4)", kCmdJoker[1], jokers == 4),
          MenuItem::Command("6枚(&6)", kCmdJoker[2], jokers == 6),
      });

  constexpr std::array<const char*, 6> kSizeTexts{
      "640 X 480(&1)",          "800 X 600(&2)",   "1024 X 768(&3)",
      "1200 X 900(&4)\t推奨", "1400 X 1050(&5)", "1600 X 1200(&6)"};
  const int width = ScreenWidthChoice(s.gamen);
  MenuItems sizes;
  for (std::size_t i = 0; i < kSizeTexts.size(); ++i)
    sizes.push_back(MenuItem::Command(kSizeTexts[i], kCmdScreenSize[i], width == kScreenWidths[i]));

  return {
      // From the fourth game of a city the open mode has no effect; the item
      // greys but keeps showing whether the option is on.
      MenuItem::Command("オープンモード(&O)", kCmdOpenMode, OnUnlessZero(s.openMode), OpenModeApplies(s.gameNo)),
      MenuItem::Command("効果音" "(&K)", kCmdKoukaon, OnWhenOne(s.koukaon)),
      MenuItem::Command("ルール説明" "(&R)", kCmdRuleRem, OnWhenOne(s.ruleRem)),
      MenuItem::Command("画面表示説明" "(&D)", kCmdDspRem, OnUnlessZero(s.dspRem)),
      MenuItem::Command("自動スタート(&A)", kCmdAutoStart, OnWhenOne(s.autoStart)),
      MenuItem::Separator(),
      speeds,
      tolvaRate,
      jokerCount,
      MenuItem::Separator(),
      MenuItem::Command("世界地図表示(&W)", kCmdWorldMap, s.mapShown),
      MenuItem::Command("世界地図の初期化(&I)", kCmdResetMap, false, s.tableActive),
      MenuItem::Separator(),
      MenuItem::Command("カード背面の設定(&B)", kCmdCardBack, false, s.tableActive),
      MenuItem::Popup("画面サイズ(&G)", std::move(sizes)),
  };
}

MenuItems HelpMenu() {
  return {
      MenuItem::Command("トルヴァゲームのルール(&R)", kCmdHelpRules),
      MenuItem::Command("トルヴァゲームの操作方法(&S)", kCmdHelpControls),
      MenuItem::Command(std::string(chronicle_text::kHelpMenuItem), kCmdChronicle),
      MenuItem::Separator(),
      MenuItem::Command("バージョン情報 (&A)", kCmdAbout),
  };
}

MenuItems DeclarationMenu(const MenuState& s) {
  return {
      MenuItem::Command("「リーチ」をかける(&L)\tF9", kCmdReach, false, s.reachAllowed),
      MenuItem::Command("「トルヴァ」を宣言する(&S)\tF10", kCmdTolva, false, s.tolvaAllowed),
      MenuItem::Separator(),
      MenuItem::Command("「７０」を宣言する(&7)", kCmdSeventy, false, s.seventyAllowed),
  };
}

}  // namespace

MenuItems CommandMenu(int index, const MenuState& state) {
  switch (index) {
    case 0: return StartMenu(state);
    case 1: return SettingsMenu(state);
    case 2: return HelpMenu();
    case 3: return DeclarationMenu(state);
    default: return {};
  }
}

MenuItems MapMenu(int shownZoom) {
  const int zoom = ZoomChoice(shownZoom);
  return {
      MenuItem::Command("ゲーム画面に戻る(&G)\tBS, ESC, Enter, SPC", kCmdWorldMap),
      MenuItem::Separator(),
      MenuItem::Command("等倍(&1)\t1", kCmdMapZoom[0], zoom == 1),
      MenuItem::Command("×2(&2)\t2", kCmdMapZoom[1], zoom == 2),
      MenuItem::Command("×3(&3)\t3", kCmdMapZoom[2], zoom == 3),
  };
}

}  // namespace tolva
