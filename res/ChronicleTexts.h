// Every text of the chronicle: its window, its CSV export and its messages,
// word for word as the player sees them, in one place. "&" marks a mnemonic
// letter; %1, %2 … are filled in with QString::arg. Seat names, result kinds
// and course names are the game's own (rules/Card.h, res/StringTable.h).
#pragma once

#include <string_view>

namespace tolva::chronicle_text {

// --- the help menu's item (with its key hint after the tab) ----------------------------
inline constexpr std::string_view kHelpMenuItem = "戦績(&C)\tF12";

// --- the window ---------------------------------------------------------------------
inline constexpr std::string_view kTitle = "戦績";
inline constexpr std::string_view kCampaignLabel = "遠征(&A):";
inline constexpr std::string_view kAllCampaigns = "すべての遠征";
// %1 number, %2 course name, %3 first day, %4 last day or kUnderWay
inline constexpr std::string_view kCampaignItem = "第%1次遠征（%2コース）%3 〜 %4";
inline constexpr std::string_view kCampaignUnderWay = "進行中";
inline constexpr std::string_view kCampaignBeforeChronicle = "記録開始前";
inline constexpr std::string_view kExportButton = "CSV に書き出す(&E)...";
inline constexpr std::string_view kCloseButton = "閉じる(&C)";
inline constexpr std::string_view kOverviewTab = "概要(&1)";
inline constexpr std::string_view kPurseTab = "軍資金の推移(&2)";
inline constexpr std::string_view kWinsTab = "勝ち数(&3)";
inline constexpr std::string_view kCitiesTab = "征服した都市(&4)";
inline constexpr std::string_view kNoGames = "まだ記録された対局はありません";
inline constexpr std::string_view kReadFailed = "戦績を読み込めませんでした:\n%1";
inline constexpr std::string_view kNotAFile = "ファイルではありません: %1";

// --- the overview -------------------------------------------------------------------
inline constexpr std::string_view kGamesLabel = "対局数";
inline constexpr std::string_view kGamesValue = "%1 局（流れ %2 局、平均 %3 手番）";
inline constexpr std::string_view kSeatColumn = "名前";
inline constexpr std::string_view kWinsColumn = "上がり";
inline constexpr std::string_view kTolvaColumn = "トルヴァ 成功 / 宣言";
inline constexpr std::string_view kReachColumn = "リーチ 上がり / 宣言";
inline constexpr std::string_view kCallsColumn = "ポン・カン";
inline constexpr std::string_view kRateValue = "%1 / %2（%3%）";
inline constexpr std::string_view kNoRate = "—";
inline constexpr std::string_view kBestGameLabel = "最高の対局";
inline constexpr std::string_view kWorstGameLabel = "最悪の対局";
// %1 date and time, %2 city, %3 game number, %4 result, %5 coins (signed)
inline constexpr std::string_view kGameValue = "%1　%2 第%3戦　%4　%5 枚";
inline constexpr std::string_view kNoGame = "—";
inline constexpr std::string_view kLongestWinsLabel = "最長連勝";
inline constexpr std::string_view kLongestLossesLabel = "最長連敗";
inline constexpr std::string_view kCurrentStreakLabel = "現在の流れ";
inline constexpr std::string_view kStreakValue = "%1 局";
inline constexpr std::string_view kWinningNow = "%1 連勝中";
inline constexpr std::string_view kLosingNow = "%1 連敗中";
inline constexpr std::string_view kNoStreak = "なし";
inline constexpr std::string_view kStreakNote =
    "連勝はアレクサンドロスの上がり、連敗は銀貨を支払った対局の続いた数です";
// A game's result: %1 seat name, %2 result kind
inline constexpr std::string_view kResultOfSeat = "%1の%2";
inline constexpr std::string_view kDrawnGame = "流れ";

// --- the charts -----------------------------------------------------------------------
inline constexpr std::string_view kPurseChartTitle = "アレクサンドロスの軍資金（銀貨）";
inline constexpr std::string_view kPurseChartAxis = "対局";
inline constexpr std::string_view kCampaignStart = "開始";
inline constexpr std::string_view kWinsBySeatTitle = "上がりの数（名前ごと）";
inline constexpr std::string_view kGamesByKindTitle = "対局の結果";

// --- the conquered cities ----------------------------------------------------------------
inline constexpr std::string_view kCityNumberColumn = "番号";
inline constexpr std::string_view kCityColumn = "都市";
inline constexpr std::string_view kConqueredColumn = "征服した日時";
inline constexpr std::string_view kCampaignColumn = "遠征";
inline constexpr std::string_view kCampaignNumber = "第%1次";
inline constexpr std::string_view kNoCities = "まだ征服した都市はありません";

// --- dates ------------------------------------------------------------------------------
// QDateTime formats.
inline constexpr std::string_view kDateFormat = "yyyy/MM/dd";
inline constexpr std::string_view kDateTimeFormat = "yyyy/MM/dd HH:mm";

// --- the export ---------------------------------------------------------------------------
inline constexpr std::string_view kExportDialogTitle = "戦績を CSV に書き出す";
inline constexpr std::string_view kExportFilter = "CSV ファイル (*.csv)";
inline constexpr std::string_view kExportFileName = "tolvagame-chronicle.csv";
inline constexpr std::string_view kExportFailed = "ファイルに書き出せませんでした:\n%1";
inline constexpr std::string_view kCsvTime = "日時";
inline constexpr std::string_view kCsvCampaign = "遠征";
inline constexpr std::string_view kCsvCourse = "コース";
inline constexpr std::string_view kCsvCityNumber = "都市番号";
inline constexpr std::string_view kCsvCity = "都市";
inline constexpr std::string_view kCsvGameNo = "回戦";
inline constexpr std::string_view kCsvJokers = "ジョーカー";
inline constexpr std::string_view kCsvResult = "結果";
inline constexpr std::string_view kCsvResultSeat = "結果の席";
inline constexpr std::string_view kCsvPayer = "振り込んだ席";
inline constexpr std::string_view kCsvPayment = "支払い（%1）";  // %1 seat name
inline constexpr std::string_view kCsvPurse = "軍資金（%1）";
inline constexpr std::string_view kCsvPendingPool = "リーチ料のストック";
inline constexpr std::string_view kCsvTurns = "手番数";
inline constexpr std::string_view kCsvReach = "リーチ";
inline constexpr std::string_view kCsvCalls = "ポン・カン（%1）";
inline constexpr std::string_view kCsvNameSeparator = "・";

// --- messages while playing ------------------------------------------------------------------
// Each is shown once a run, in a box that does not hold up the game.
inline constexpr std::string_view kSetAsideMessage =
    "戦績のファイルが壊れていたため、次の名前で残し、新しい戦績を始めました:\n%1";
inline constexpr std::string_view kLockedMessage =
    "戦績のファイルを他のプログラムが使用中のため、今は記録できません。\n"
    "使用が終わると、次の対局のときにまとめて記録します。ゲームはそのまま続けられます。";
inline constexpr std::string_view kDiskFullMessage =
    "ディスクがいっぱいのため、戦績を記録できません。\n"
    "空きができると、次の対局のときにまとめて記録します。ゲームはそのまま続けられます。";
inline constexpr std::string_view kReadOnlyMessage =
    "戦績のファイルに書き込めないため、戦績を記録できません:\n%1\nゲームはそのまま続けられます。";
inline constexpr std::string_view kUnavailableMessage =
    "戦績のファイルを開けないため、戦績を記録できません:\n%1\nゲームはそのまま続けられます。";
inline constexpr std::string_view kNewerMessage =
    "戦績のファイルはより新しい版のトルヴァゲームで作られたため、この版では記録しません:\n%1";

// --- the program's command line --------------------------------------------------------------
inline constexpr std::string_view kViewerUsage = "usage: TolvaGame [--chronicle FILE]\n";

}  // namespace tolva::chronicle_text
