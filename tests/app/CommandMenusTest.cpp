// The pop-up menus as the player sees them: every item's text, command,
// separator, check mark and grey-out, in the states where they change.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/CommandMenus.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"
#include "tests/app/support/MenuText.h"
#include "tests/app/support/RecordingShell.h"
#include "tests/support/ScriptedHost.h"

namespace tolva {
namespace {

using Lines = std::vector<std::string>;
using testing::DescribeMenu;
using testing::FindCommand;

struct CommandMenusTest : ::testing::Test {
  testing::ScriptedHost host;
  CTolvaView view{host};
  testing::RecordingShell shell;
  CommandMenus commands{view, host, shell};
  Settings settings{host.store};

  // After start-up, before the first game: no table yet.
  void SetUp() override {
    host.Attach(view);
    view.Initialising = 0;
  }
  void TableOn(int gameNo) {
    view.TableActive = 1;
    view.t.GameNo = gameNo;
  }
  void HumansTurn(bool drawn, int cards) {
    TableOn(2);
    view.t.TurnSeat = kHumanSeat;
    view.t.HasDrawn = drawn ? 1 : 0;
    view.t.HandCount[kHumanSeat] = cards;
  }
  Lines Menu(int index) { return DescribeMenu(*commands.BuildCommandMenu(index)); }
  QAction* Item(std::unique_ptr<QMenu>& menu, int id) {
    QAction* action = FindCommand(*menu, id);
    EXPECT_NE(action, nullptr) << "no item " << id;
    return action;
  }
};

// --- the items, exactly ---------------------------------------------------------------

TEST_F(CommandMenusTest, TheStartMenuOffersTheGameBeforeTheFirstGame) {
  EXPECT_EQ(Menu(kMenuStart), (Lines{
                                  "ゲーム開始(&P) #32771",
                                  "---",
                                  "ゲーム終了(&X) #57665",
                              }));
}

TEST_F(CommandMenusTest, TheSettingsMenuHoldsEveryOptionInOrder) {
  EXPECT_EQ(Menu(kMenuSettings), (Lines{
                                     "オープンモード(&O) #32803",
                                     "効果音(&K) #32773 [x]",
                                     "ルール説明(&R) #32779 [x]",
                                     "画面表示説明(&D) #32780 [x]",
                                     "自動スタート(&A) #32799",
                                     "---",
                                     "> スピード(&S)",
                                     "  > 打ち手間隔(&M)",
                                     "    超速い(&E) #32782 [x]",
                                     "    速い(&F) #32774",
                                     "    普通(&N) #32775",
                                     "    遅い(&S) #32776",
                                     "    超遅い(&T) #32786",
                                     "  > カードの動き(&C)",
                                     "    超速い(&E) #32794 [x]",
                                     "    速い(&F) #32795",
                                     "    普通(&N) #32796",
                                     "    遅い(&S) #32797",
                                     "    超遅い(&T) #32798",
                                     "  > 札置き間隔(&P)",
                                     "    超速い(&E) #32805 [x]",
                                     "    速い(&F) #32806",
                                     "    普通(&N) #32807",
                                     "    遅い(&S) #32808",
                                     "    超遅い(&T) #32809",
                                     "> コンピュータのトルヴァ率(&X)",
                                     "  高確率(&1) #32831",
                                     "  中確率(&2) #32832 [x]",
                                     "  低確率(&3) #32833",
                                     "> ジョーカーの使用枚数(&J)",
                                     "  2枚(&2) #32825 [x]",
                                     "  4枚(&4) #32826",
                                     "  6枚(&6) #32827",
                                     "---",
                                     "世界地図表示(&W) #32781",
                                     "世界地図の初期化(&I) #32784 (grey)",
                                     "---",
                                     "カード背面の設定(&B) #32790 (grey)",
                                     "> 画面サイズ(&G)",
                                     "  640 X 480(&1) #32818 [x]",
                                     "  800 X 600(&2) #32819",
                                     "  1024 X 768(&3) #32820",
                                     "  1200 X 900(&4)\t推奨 #32821",
                                     "  1400 X 1050(&5) #32822",
                                     "  1600 X 1200(&6) #32823",
                                 }));
}

TEST_F(CommandMenusTest, TheHelpMenuHoldsTheTwoPagesTheChronicleAndTheAboutBox) {
  EXPECT_EQ(Menu(kMenuHelp), (Lines{
                                 "トルヴァゲームのルール(&R) #32777",
                                 "トルヴァゲームの操作方法(&S) #32840",
                                 "戦績(&C)\tF12 #32841",
                                 "---",
                                 "バージョン情報 (&A) #57664",
                             }));
}

TEST_F(CommandMenusTest, TheDeclarationMenuCarriesTheKeyHintsAfterATab) {
  EXPECT_EQ(Menu(kMenuDeclarations), (Lines{
                                         "「リーチ」をかける(&L)\tF9 #32791 (grey)",
                                         "「トルヴァ」を宣言する(&S)\tF10 #32792 (grey)",
                                         "---",
                                         "「７０」を宣言する(&7) #32793 (grey)",
                                     }));
}

TEST_F(CommandMenusTest, TheMapMenuChecksTheZoomTheMapIsShownAt) {
  EXPECT_EQ(DescribeMenu(*commands.BuildMapMenu()),
            (Lines{
                "ゲーム画面に戻る(&G)\tBS, ESC, Enter, SPC #32781",
                "---",
                "等倍(&1)\t1 #32810 [x]",
                "×2(&2)\t2 #32811",
                "×3(&3)\t3 #32812",
            }));
  view.SetMapZoom(3);
  EXPECT_EQ(DescribeMenu(*commands.BuildMapMenu())[4], "×3(&3)\t3 #32812 [x]");
  // The march to the next city shows the map at ×2 and leaves the stored zoom.
  view.MapZoom = 2;
  ASSERT_EQ(settings.Zoom(), 3);
  const Lines marched = DescribeMenu(*commands.BuildMapMenu());
  EXPECT_EQ(marched[3], "×2(&2)\t2 #32811 [x]");
  EXPECT_EQ(marched[4], "×3(&3)\t3 #32812");
}

TEST_F(CommandMenusTest, ThereIsNoFifthMenu) {
  EXPECT_EQ(commands.BuildCommandMenu(4), nullptr);
  EXPECT_EQ(commands.BuildCommandMenu(-1), nullptr);
}

// --- grey-outs ---------------------------------------------------------------------------

TEST_F(CommandMenusTest, WithATableTheStartIsGreyAndTheMapResetAndCardBackAreOffered) {
  TableOn(1);
  auto start = commands.BuildCommandMenu(kMenuStart);
  EXPECT_FALSE(Item(start, kCmdStartGame)->isEnabled());
  EXPECT_TRUE(Item(start, kCmdExit)->isEnabled());
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdResetMap)->isEnabled());
  EXPECT_TRUE(Item(menu, kCmdCardBack)->isEnabled());
}

TEST_F(CommandMenusTest, TheStartIsGreyUntilTheStartUpStepHasFinished) {
  // The purse check and the course selection come first.
  view.Initialising = 1;
  auto start = commands.BuildCommandMenu(kMenuStart);
  EXPECT_FALSE(Item(start, kCmdStartGame)->isEnabled());
}

TEST_F(CommandMenusTest, FromTheFourthGameTheOpenModeIsGreyButKeepsItsCheck) {
  view.t.OpenMode = 1;
  TableOn(3);
  auto third = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(third, kCmdOpenMode)->isEnabled());
  EXPECT_TRUE(Item(third, kCmdOpenMode)->isChecked());
  TableOn(4);
  auto fourth = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_FALSE(Item(fourth, kCmdOpenMode)->isEnabled());
  EXPECT_TRUE(Item(fourth, kCmdOpenMode)->isChecked());
}

TEST_F(CommandMenusTest, BeforeDrawingTolvaAndSeventyAreOfferedButNotReach) {
  HumansTurn(/*drawn=*/false, 7);
  EXPECT_EQ(Menu(kMenuDeclarations), (Lines{
                                         "「リーチ」をかける(&L)\tF9 #32791 (grey)",
                                         "「トルヴァ」を宣言する(&S)\tF10 #32792",
                                         "---",
                                         "「７０」を宣言する(&7) #32793",
                                     }));
}

TEST_F(CommandMenusTest, AfterDrawingOnlyReachIsOffered) {
  HumansTurn(/*drawn=*/true, 8);
  auto menu = commands.BuildCommandMenu(kMenuDeclarations);
  EXPECT_TRUE(Item(menu, kCmdReach)->isEnabled());
  EXPECT_FALSE(Item(menu, kCmdTolva)->isEnabled());
  EXPECT_FALSE(Item(menu, kCmdSeventy)->isEnabled());
}

TEST_F(CommandMenusTest, NoDeclarationIsOfferedInReachOrOnTheMapOrOnAnotherSeatsTurn) {
  HumansTurn(false, 7);
  view.t.ReachFlag[kHumanSeat] = 1;
  EXPECT_EQ(Menu(kMenuDeclarations)[1], "「トルヴァ」を宣言する(&S)\tF10 #32792 (grey)");
  view.t.ReachFlag[kHumanSeat] = 0;
  view.MapShown = 1;
  EXPECT_EQ(Menu(kMenuDeclarations)[1], "「トルヴァ」を宣言する(&S)\tF10 #32792 (grey)");
  view.MapShown = 0;
  view.t.TurnSeat = 2;
  EXPECT_EQ(Menu(kMenuDeclarations)[1], "「トルヴァ」を宣言する(&S)\tF10 #32792 (grey)");
}

TEST_F(CommandMenusTest, SeventyNeedsSevenCards) {
  HumansTurn(false, 6);  // after exposing a meld from the dealt hand
  auto menu = commands.BuildCommandMenu(kMenuDeclarations);
  EXPECT_TRUE(Item(menu, kCmdTolva)->isEnabled());
  EXPECT_FALSE(Item(menu, kCmdSeventy)->isEnabled());
}

// --- check marks ---------------------------------------------------------------------------

TEST_F(CommandMenusTest, AStoredScreenWidthOfSevenHundredChecks640) {
  host.store.WriteInt(kSectionSettei, kKeyGamen, 700);
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdScreenSize[0])->isChecked());
  for (int i = 1; i < 6; ++i) EXPECT_FALSE(Item(menu, kCmdScreenSize[i])->isChecked());
}

TEST_F(CommandMenusTest, EachOfferedScreenWidthChecksItsOwnItem) {
  for (int i = 0; i < 6; ++i) {
    settings.SetGamen(kScreenWidths[i]);
    auto menu = commands.BuildCommandMenu(kMenuSettings);
    for (int j = 0; j < 6; ++j)
      EXPECT_EQ(Item(menu, kCmdScreenSize[j])->isChecked(), i == j) << kScreenWidths[i];
  }
}

TEST_F(CommandMenusTest, SpeedChecksFollowTheViewFieldsWithAnyOtherValueOnTheSlowest) {
  view.t.ManSpeed = 3;
  view.t.CardSpeed = 0;
  view.t.PonSpeed = -7;
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdManSpeed[2])->isChecked());
  EXPECT_TRUE(Item(menu, kCmdCardSpeed[4])->isChecked());
  EXPECT_TRUE(Item(menu, kCmdPonSpeed[4])->isChecked());
  EXPECT_FALSE(Item(menu, kCmdManSpeed[0])->isChecked());
}

TEST_F(CommandMenusTest, TolvaRateAndJokerChecksFallBackToTheirUsualItems) {
  host.store.WriteInt(kSectionSettei, kKeyTolvaRitu, 3);
  host.store.WriteInt(kSectionSettei, kKeyJoker, 6);
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdTolvaRate[2])->isChecked());
  EXPECT_TRUE(Item(menu, kCmdJoker[2])->isChecked());

  host.store.WriteInt(kSectionSettei, kKeyTolvaRitu, 9);
  host.store.WriteInt(kSectionSettei, kKeyJoker, 100);
  menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdTolvaRate[1])->isChecked());
  EXPECT_TRUE(Item(menu, kCmdJoker[0])->isChecked());
}

TEST_F(CommandMenusTest, OptionChecksShowWhatChoosingTheItemWouldTurnOff) {
  // Sound and rule hints turn off only from 1; open mode and hover help from anything but 0.
  view.t.Koukaon = 5;
  view.t.RuleRem = 0;
  view.t.OpenMode = 5;
  view.t.DspRem = 0;
  host.store.WriteInt(kSectionSettei, kKeyAutoStart, 1);
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_FALSE(Item(menu, kCmdKoukaon)->isChecked());
  EXPECT_FALSE(Item(menu, kCmdRuleRem)->isChecked());
  EXPECT_TRUE(Item(menu, kCmdOpenMode)->isChecked());
  EXPECT_FALSE(Item(menu, kCmdDspRem)->isChecked());
  EXPECT_TRUE(Item(menu, kCmdAutoStart)->isChecked());
}

TEST_F(CommandMenusTest, TheWorldMapItemIsCheckedWhileTheMapIsShown) {
  view.MapShown = 1;
  auto menu = commands.BuildCommandMenu(kMenuSettings);
  EXPECT_TRUE(Item(menu, kCmdWorldMap)->isChecked());
}

// --- showing a pop-up ------------------------------------------------------------------------

// Runs `whileOpen` on the pop-up once it is up, from inside its event loop.
void WhenThePopUpOpens(const std::function<void(QMenu&)>& whileOpen) {
  QTimer::singleShot(0, [whileOpen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no pop-up is open";
    whileOpen(*menu);
  });
}

TEST_F(CommandMenusTest, APopUpOpensUnderTheButtonsAtTheCurrentScale) {
  shell.answerMenus = false;
  shell.scale = {640 / 1200.0, 480 / 900.0};
  shell.widget.show();
  EXPECT_EQ(commands.CommandMenuPoint(), QPoint(5, 27));  // int(10 × 0.533), int(52 × 0.533)
  QPoint openedAt;
  WhenThePopUpOpens([&](QMenu& menu) {
    openedAt = menu.pos();
    menu.close();
  });
  commands.ShowCommandMenu(kMenuHelp);
  EXPECT_EQ(openedAt, shell.widget.mapToGlobal(QPoint(5, 27)));
}

TEST_F(CommandMenusTest, TheChosenItemRunsAfterThePopUpHasClosed) {
  shell.answerMenus = false;
  shell.widget.show();
  bool menuWasOpen = false;
  WhenThePopUpOpens([&](QMenu& menu) {
    QAction* about = FindCommand(menu, kCmdAbout);
    ASSERT_NE(about, nullptr);
    menuWasOpen = shell.calls.empty();  // nothing has run while it is open
    menu.setActiveAction(about);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&menu, &enter);
  });
  commands.ShowCommandMenu(kMenuHelp);
  EXPECT_TRUE(menuWasOpen);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"About"}));
}

TEST_F(CommandMenusTest, AClosedPopUpRunsNothing) {
  shell.answerMenus = false;
  shell.widget.show();
  WhenThePopUpOpens([](QMenu& menu) { menu.close(); });
  commands.ShowCommandMenu(kMenuStart);
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_EQ(view.TableActive, 0);
}

}  // namespace
}  // namespace tolva
