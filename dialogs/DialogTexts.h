// The texts of the dialogs, word for word as the player sees them. The "&"
// marks the mnemonic letter (Alt + letter).
#pragma once

#include <array>
#include <string_view>

namespace tolva {

// --- course selection ------------------------------------------------------------
inline constexpr std::string_view kOpenningOkText = "決定(&Y)";
inline constexpr std::string_view kOpenningCancelText = "中止(&C)";
// Course k (1 to 4) is entry k - 1.
inline constexpr std::array<std::string_view, 4> kCourseTexts = {
    "初級コース　　　　　銀貨 10,000枚",
    "中級コース　　　　　銀貨  5,000枚",
    "上級コース　　　　　銀貨  3,000枚",
    "プロコース　　　　　銀貨  1,000枚",
};
inline constexpr std::array<std::string_view, 4> kCourseTips = {
    "初心者の方はこのコースを選択してください。カンニングもできます。",
    "初心者の方でカンニングしないでクリアしたい方はこのコースを選択してください。",
    "ルールを習得した上級者の方はこのコースを選択してください。",
    "クリアするのが、超難しいコースです。",
};
// The text whose height is the story's line height.
inline constexpr std::string_view kLineHeightSample = "文字テスト";

// --- card back settings -----------------------------------------------------------
inline constexpr std::string_view kBackSetCaption = "カード背面の設定";
inline constexpr std::string_view kBackDefaultText = "既定のイメージ(&1)";
inline constexpr std::string_view kBackFreeText = "自由設定イメージ(&2)";
inline constexpr std::string_view kBackSaveText = "保存終了(&S)";
inline constexpr std::string_view kBackCancelText = "中止(&C)";
inline constexpr std::string_view kBackChangeText = "変更(&P)";
inline constexpr std::string_view kBackFrameLineText = "カード外周に枠線を付ける(&W)";
inline constexpr std::string_view kBackChooseLabel = "カードの背面に設定したいイメージを選択してください。";
inline constexpr std::string_view kBackHowToLabel = "※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックして\n  ファイルを選択してください。\n   黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。";
inline constexpr std::string_view kImageFileDialogTitle = "イメージファイルを指定";
// The file dialog's filter in the "text|patterns|...||" form the game keeps it in.
inline constexpr std::string_view kImageFileFilter =
    "イメージファイル(jpeg, gif, bmp, png, tiff) |*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|"
    "JPEGファイル(*.jpeg)|*.jpg;*.jpeg|"
    "GIFファイル(*.gif)|*.gif|"
    "ビットマップファイル(*.bmp)|*.bmp|"
    "PNGファイル(*.png)|*.png|"
    "TIFFファイル(*.tiff)|*.tif;*.tiff|"
    "|";

// --- about box ----------------------------------------------------------------------
inline constexpr std::string_view kAboutCaption = "バージョン情報";
inline constexpr std::string_view kAboutHistoryLabel = "バージョン情報";
// The label's note for the translators: the same words as the caption, over
// the list of versions.
inline constexpr char kAboutHistoryNote[] = "version history";
inline constexpr std::string_view kAboutOkText = "確認 (&Y)";

}  // namespace tolva
