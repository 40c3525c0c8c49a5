// Numbers of the string table (res/StringTable.cpp). Every text the game shows
// in a message box or tooltip has a number here; the texts are looked up with
// StringText(number).
#pragma once

#include <string_view>

namespace tolva {

inline constexpr int kStrAppTitle = 57344;  // "TolvaGame": caption of every message box
inline constexpr int kMsgOutOfMemory = 30001;
inline constexpr int kMsgFileReadFailed = 30002;
inline constexpr int kMsgImageTransferFailed = 30004;
inline constexpr int kMsgOnlySelectedCards = 30006;
inline constexpr int kMsgCannotReachWithThisDiscard = 30007;
inline constexpr int kMsgStockEmptyNoReach = 30008;
inline constexpr int kMsgDrawOrTakeFirst = 30009;
inline constexpr int kMsgRiverCardNotAtOnce = 30010;
inline constexpr int kMsgTimerSetFailed = 30011;
inline constexpr int kMsgTimerKillFailed = 30012;
inline constexpr int kMsgNotSeventyPoints = 30013;
inline constexpr int kMsgAskResetMap = 30014;
inline constexpr int kMsgWarChestEmpty = 30015;
inline constexpr int kMsgKeyDiscardOnlyToRiver = 30016;
inline constexpr int kMsgReachOnlyStockCard = 30017;
inline constexpr int kMsgAskKan = 30018;
inline constexpr int kMsgAskPon = 30019;
inline constexpr int kMsgChooseTwoPonCards = 30020;
inline constexpr int kMsgAskPonWithSelection = 30021;
inline constexpr int kMsgAskRon = 30022;
inline constexpr int kMsgHowToStart = 30031;
inline constexpr int kMsgAskTsumo = 30034;
inline constexpr int kMsgDrawFromStockFirst = 30035;
inline constexpr int kTipStartMenu = 30036;
inline constexpr int kTipSettingsMenu = 30037;
inline constexpr int kTipHelpMenu = 30038;
inline constexpr int kTipAngleUp = 30039;
inline constexpr int kTipAngleDown = 30040;
inline constexpr int kTipDeclarationMenu = 30041;
inline constexpr int kTipMeldRow = 30042;
inline constexpr int kTipStock = 30043;
inline constexpr int kTipRiver = 30044;
inline constexpr int kTipGameNumber = 30045;
inline constexpr int kTipReachCoin = 30046;
inline constexpr int kTipPendingCoins = 30047;
inline constexpr int kTipPurse = 30048;
inline constexpr int kTipStockCount = 30049;
inline constexpr int kTipKeyLabels = 30050;
inline constexpr int kMsgNoFreeImage = 30051;
inline constexpr int kMsgLibraryMissing = 30052;
inline constexpr int kMsgPeekStartFailed = 30053;
inline constexpr int kMsgFromNextGame = 30054;
inline constexpr int kMsgFromNextStart = 30055;
inline constexpr int kMsgUnsupportedFileType = 30056;
inline constexpr int kMsgCardNotAccepted = 30059;
inline constexpr int kMsgCardBackFailed = 30061;
inline constexpr int kMsgAskQuitMidGame = 30085;
inline constexpr int kMsgNoNextCity = 30087;
inline constexpr int kMsgCampaignComplete = 30088;
inline constexpr int kMsgCannotDeclareNow = 30089;
inline constexpr int kMsgAskDiscardAttachable = 30096;
inline constexpr int kMsgCunningNextStart = 30097;
inline constexpr int kMsgReachAfterDrawOnly = 30098;
inline constexpr int kMsgDiscardDue = 30099;
inline constexpr int kMsgLastCardMustBeDiscarded = 30101;
inline constexpr int kMsgNewMeldNeedsThree = 30102;
inline constexpr int kMsgAttachOnlyOne = 30103;
inline constexpr int kMsgNineteenAtMost = 30104;
inline constexpr int kMsgLoneJoker = 30105;
inline constexpr int kMsgJokersOnly = 30106;
inline constexpr int kMsgTwoJokersInMeld = 30107;
inline constexpr int kMsgSuitsDiffer = 30108;
inline constexpr int kMsgBadCombination = 30109;
inline constexpr int kMsgSetNeedsSameRank = 30110;
inline constexpr int kMsgWrongSuit = 30111;
inline constexpr int kMsgJokerLeftOrRight = 30112;
inline constexpr int kMsgHelpFolderMissing = 30186;

// The player's files. A message about a file or folder carries its path and a
// line that says what is wrong before the text ("<path>\n<reason>\n").
inline constexpr int kMsgSettingsUnreadable = 30120;
inline constexpr int kMsgSettingsNotSaved = 30121;
inline constexpr int kMsgAlreadyRunning = 30122;
inline constexpr int kWhyNoAccess = 30123;
inline constexpr int kWhyReadOnly = 30124;
inline constexpr int kWhyDiskFull = 30125;
inline constexpr int kWhyFileInPlaceOfFolder = 30126;
inline constexpr int kWhyNotRegularFile = 30127;
inline constexpr int kWhyInputOutput = 30128;
inline constexpr int kWhyNoSuchFolder = 30129;

// The text of a string-table entry in the player's language; empty when there
// is none.
std::string_view StringText(int number);

// The name of course 1 to 4 as the window title shows it: "初級", "中級",
// "上級", "プロ" (in the player's language); any other number is the beginner
// course.
std::string_view CourseName(int course);

}  // namespace tolva
