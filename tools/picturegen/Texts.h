// The Japanese words drawn into the pictures: the seats' names and the
// captions of the end-of-game pictures, as the game itself writes them. They
// are also the source texts the English words are looked up by (Words.h).
#pragma once

namespace tolva::picturegen::text {

inline constexpr const char* kSeatNames[5] = {
    "セレウコス", "プトレマイオス", "アンティゴノス", "リュシマコス", "アレクサンドロス"};

inline constexpr const char* kTolvaSucceeded = "トルヴァ成功";
inline constexpr const char* kTolvaFailed = "トルヴァ失敗";
inline constexpr const char* kSeventy = "７０成功";
inline constexpr const char* kWentOut = "上がり";
inline constexpr const char* kTsumo = "ツモ上がり";
inline constexpr const char* kDrawnGame = "流れ";
inline constexpr const char* kRon = "ロン";
inline constexpr const char* kCampaignComplete = "遠征完了";  // the march is over
inline constexpr const char* kReach = "リーチ";
inline constexpr const char* kDeclaration = "\u5BA3";  // the first sign of 宣言, on its button

}  // namespace tolva::picturegen::text
