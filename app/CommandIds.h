// The numbers of the program's commands: the items of the four pop-up menus
// under the table's buttons, the world map's pop-up, and the function keys.
// A command is the same whichever way it is reached: "「リーチ」をかける(&L)"
// and F9 are both 32791.
#pragma once

#include <array>

namespace tolva {

// --- pop-up 0, start -----------------------------------------------------------------
inline constexpr int kCmdStartGame = 32771;
inline constexpr int kCmdExit = 57665;

// --- pop-up 1, settings ----------------------------------------------------------------
inline constexpr int kCmdOpenMode = 32803;
inline constexpr int kCmdKoukaon = 32773;
inline constexpr int kCmdRuleRem = 32779;
inline constexpr int kCmdDspRem = 32780;
inline constexpr int kCmdAutoStart = 32799;
inline constexpr int kCmdWorldMap = 32781;  // also "ゲーム画面に戻る" of the map's pop-up
inline constexpr int kCmdResetMap = 32784;
inline constexpr int kCmdCardBack = 32790;

// The three speed pop-ups, items 超速い … 超遅い setting the speed 1 … 5.
inline constexpr std::array<int, 5> kCmdManSpeed{32782, 32774, 32775, 32776, 32786};
inline constexpr std::array<int, 5> kCmdCardSpeed{32794, 32795, 32796, 32797, 32798};
inline constexpr std::array<int, 5> kCmdPonSpeed{32805, 32806, 32807, 32808, 32809};

// The computer players' Tolva rate 1 (high), 2, 3 (low).
inline constexpr std::array<int, 3> kCmdTolvaRate{32831, 32832, 32833};
// The joker count 2, 4, 6.
inline constexpr std::array<int, 3> kCmdJoker{32825, 32826, 32827};
inline constexpr std::array<int, 3> kJokerCounts{2, 4, 6};
// The screen sizes, in the order of kScreenWidths (640 … 1600).
inline constexpr std::array<int, 6> kCmdScreenSize{32818, 32819, 32820, 32821, 32822, 32823};

// --- pop-up 2, help ---------------------------------------------------------------------
inline constexpr int kCmdHelpRules = 32777;
inline constexpr int kCmdHelpControls = 32840;
inline constexpr int kCmdChronicle = 32841;  // "戦績(&C)" and F12: the chronicle window
inline constexpr int kCmdAbout = 57664;

// --- pop-up 3, declarations (F9 and F10 too) -------------------------------------------------
inline constexpr int kCmdReach = 32791;
inline constexpr int kCmdTolva = 32792;
inline constexpr int kCmdSeventy = 32793;

// --- the world map's pop-up: ×1, ×2, ×3 -----------------------------------------------------
inline constexpr std::array<int, 3> kCmdMapZoom{32810, 32811, 32812};

// --- the other function keys --------------------------------------------------------------
inline constexpr int kCmdStartMenu = 32765;         // F1
inline constexpr int kCmdSettingsMenu = 32766;      // F2
inline constexpr int kCmdHelpMenu = 32767;          // F3
inline constexpr int kCmdAngleUp = 32768;           // F4
inline constexpr int kCmdAngleDown = 32769;         // F5
inline constexpr int kCmdDeclarationMenu = 32770;   // F6
inline constexpr int kCmdDrawFromStock = 32828;     // F7
inline constexpr int kCmdTakeFromRiver = 32829;     // F8

// F1 … F10, in order: the command each one gives.
inline constexpr std::array<int, 10> kFunctionKeyCommands{
    kCmdStartMenu, kCmdSettingsMenu, kCmdHelpMenu,      kCmdAngleUp, kCmdAngleDown,
    kCmdDeclarationMenu, kCmdDrawFromStock, kCmdTakeFromRiver, kCmdReach, kCmdTolva};

}  // namespace tolva
