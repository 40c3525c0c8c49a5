// The Japanese words drawn into the pictures: the seats' names and the
// captions of the end-of-game pictures, as the game itself writes them. They
// are also the source texts the English words are looked up by (Words.h),
// marked for the translation tools with the context they are kept under.
#pragma once

#include <QtGlobal>

namespace tolva::picturegen::text {

inline constexpr const char* kSeatNames[5] = {
    QT_TRANSLATE_NOOP("SeatNames", "セレウコス"), QT_TRANSLATE_NOOP("SeatNames", "プトレマイオス"),
    QT_TRANSLATE_NOOP("SeatNames", "アンティゴノス"), QT_TRANSLATE_NOOP("SeatNames", "リュシマコス"),
    QT_TRANSLATE_NOOP("SeatNames", "アレクサンドロス")};

inline constexpr const char* kTolvaSucceeded = QT_TRANSLATE_NOOP("PictureWords", "トルヴァ成功");
inline constexpr const char* kTolvaFailed = QT_TRANSLATE_NOOP("PictureWords", "トルヴァ失敗");
inline constexpr const char* kSeventy = QT_TRANSLATE_NOOP("PictureWords", "７０成功");
inline constexpr const char* kWentOut = QT_TRANSLATE_NOOP("PictureWords", "上がり");
inline constexpr const char* kTsumo = QT_TRANSLATE_NOOP("PictureWords", "ツモ上がり");
inline constexpr const char* kDrawnGame = QT_TRANSLATE_NOOP("PictureWords", "流れ");
inline constexpr const char* kRon = QT_TRANSLATE_NOOP("PictureWords", "ロン");
// the march is over
inline constexpr const char* kCampaignComplete = QT_TRANSLATE_NOOP("PictureWords", "遠征完了");
inline constexpr const char* kReach = QT_TRANSLATE_NOOP("PictureWords", "リーチ");
// the first sign of 宣言, on its button
inline constexpr const char* kDeclaration = QT_TRANSLATE_NOOP("PictureWords", "宣");

}  // namespace tolva::picturegen::text
