// The string table: every numbered text of the game, word for word.
#include "res/StringTable.h"

#include <map>

#include "res/Translation.h"

namespace tolva {

namespace {

const std::map<int, std::string_view>& Table() {
  static const std::map<int, std::string_view> table = {
      {kStrAppTitle, "TolvaGame"},
      {kMsgOutOfMemory, "メモリの確保に失敗しました"},
      {kMsgFileReadFailed, "ファイルの読み込みに失敗しました"},
      {kMsgImageTransferFailed, "イメージの転写に失敗しました"},
      {kMsgOnlySelectedCards, "選択札以外は出せません"},
      {kMsgCannotReachWithThisDiscard, "この捨て札ではリーチできません\nリーチを取り消しますか\n\nリーチを取り消す ⇒ はい\n捨て札を変える ⇒ いいえ"},
      {kMsgStockEmptyNoReach, "山札がなくなりました\n残念ですがリーチできません"},
      {kMsgDrawOrTakeFirst, "山から１枚めくるか川から拾ってきてください"},
      {kMsgRiverCardNotAtOnce, "川から拾った札をすぐ捨てることはできません"},
      {kMsgTimerSetFailed, "タイマーのセットに失敗しました"},
      {kMsgTimerKillFailed, "タイマーの削除に失敗しました"},
      {kMsgNotSeventyPoints, "あなたの手札の点数は70ではありません"},
      {kMsgAskResetMap, "最初のスタート地点に戻りますがよろしいですか"},
      {kMsgWarChestEmpty, "あなたの軍資金が底をつきました\n地図上の経路や各自の持ち金が最初に戻ります\n再び、コースの選択から始まります\n\nゲームを続けますか"},
      {kMsgKeyDiscardOnlyToRiver, "直接札出しは、川に捨てることしかできません\nさらす場合はドラッグ＆ドロップしてください"},
      {kMsgReachOnlyStockCard, "リーチ中は、山からめくってきた札でないと出せません"},
      {kMsgAskKan, "「カン」しますか\n\n「カン」する ⇒ はい\n「ポン」する ⇒ いいえ\n「ポン」も「カン」もしない ⇒ キャンセル"},
      {kMsgAskPon, "「ポン」しますか"},
      {kMsgChooseTwoPonCards, "「ポン」をする札２枚を選んでください"},
      {kMsgAskPonWithSelection, "この選択札でポンをしますか\n\nする ⇒ はい\n選択しなおす ⇒ いいえ\n「ポン」をやめる ⇒ キャンセル"},
      {kMsgAskRon, "「ロン」(「あたり」あがり)しますか\n\nす　る ⇒ は　い\nしない ⇒ いいえ\n"},
      {kMsgHowToStart, "ゲーム開始方法\n① 画面左上の「旗のアイコン」をクリックします\n　または、F1キー押下します\n② 表示されたメニューの「開始」をクリックします\n　設定メニューの「自動スタート」でこの動作を省略できます"},
      {kMsgAskTsumo, "「ツモ上がり」しますか\n\nす　る ⇒ はい\nしない ⇒ いいえ"},
      {kMsgDrawFromStockFirst, "山から１枚めくってきてください"},
      {kTipStartMenu, "スタートメニューを表示します\n※ F1キーでも操作できます"},
      {kTipSettingsMenu, "設定メニューを表示します\n※ F2キーでも操作できます"},
      {kTipHelpMenu, "ヘルプメニューを表示します\n※ F3キーでも操作できます"},
      {kTipAngleUp, "俯瞰角を増加させます\n広範囲に場などに置かれたカードを見ることができます\n※ F4キーでも操作できます"},
      {kTipAngleDown, "俯瞰角を減少させます\n場などの視界はせまくなりますが、立体的になります\n※ F5キーでも操作できます"},
      {kTipDeclarationMenu, "宣言メニューを表示します\n※ F6キーでも操作できます"},
      {kTipMeldRow, "サラシ札を置く場所です。\n両隣りの手札で札が見えない時は、\nその手札をクリックしてください"},
      {kTipStock, "山札を置く場所です。\n自分の順番になったら、\n川から拾ったり、ポンやカンをする以外は、\nここから1枚めくって手札に入れます"},
      {kTipRiver, "川札を置く場所です。\n自分の順番になって手札に入れた後で\nここに、1枚捨てます"},
      {kTipGameNumber, "ゲームの現在回数を表示しています\n10回終了するとマッピングを行います"},
      {kTipReachCoin, "リーチコインです\n金貨はリーチ一発中を意味します"},
      {kTipPendingCoins, "保留コインです\n金貨は、銀貨10枚分です\nドロー「流れ」の時に保留され、\n次に上がった人にすべて与えられます"},
      {kTipPurse, "現在の保有コイン数です\nアレクサンドロス（自分）のコインがなくなると\nゲームオーバーになります"},
      {kTipStockCount, "山札の現在枚数です\n山札がなくなるとドロー「流れ」になります"},
      {kTipKeyLabels, "F7キーで山札から１枚めくります\nF8キーで川の一番上の札を拾います"},
      {kMsgNoFreeImage, "自由設定イメージがセットされていません"},
      {kMsgLibraryMissing, "実行ファイルと同じ場所に上記のファイルが見つかりません"},
      {kMsgPeekStartFailed, "カンニングウィンドウの作成に失敗しました"},
      {kMsgFromNextGame, "この設定変更は、次の回から適用されます"},
      {kMsgFromNextStart, "次回の起動時から適用されます"},
      {kMsgUnsupportedFileType, "このファイルタイプはセットできません"},
      {kMsgCardNotAccepted, "この札は受け付けられません"},
      {kMsgCardBackFailed, "カード背景イメージのセットに失敗"},
      {kMsgAskQuitMidGame, "途中終了してもよろしいですか"},
      {kMsgNoNextCity, "地図上の都市を一つ進めませんでした"},
      {kMsgCampaignComplete, "長時間お疲れ様でした。今回は終了し、初期状態に戻ります"},
      {kMsgCannotDeclareNow, "リーチ中や、山からめくった後ではかけることはできません"},
      {kMsgAskDiscardAttachable, "サラシ領域に出せるカードですが\nこのまま捨ててもよろしいですか"},
      {kMsgCunningNextStart, "初級コース以外から初級コースに変更した場合、\nカンニングモードは次回起動時に有効になります(Win7以降)"},
      {kMsgReachAfterDrawOnly, "山からめくるか川から拾った後でないとかけることはできません"},
      {kMsgDiscardDue, "もう札を取っています\n手札から１枚を川に捨ててください"},
      {kMsgLastCardMustBeDiscarded, "最後は必ず川に１枚捨てなければいけません"},
      {kMsgNewMeldNeedsThree, "新規は3枚のみ受け付けます"},
      {kMsgAttachOnlyOne, "追加は1枚のみ受け付けます"},
      {kMsgNineteenAtMost, "最高19枚までです"},
      {kMsgLoneJoker, "ジョーカー1枚だけを出すことはできません"},
      {kMsgJokersOnly, "ジョーカーだけを出すことはできません"},
      {kMsgTwoJokersInMeld, "ジョーカーを2枚以上入れることはできません"},
      {kMsgSuitsDiffer, "紋が同じでないと出すことはできません"},
      {kMsgBadCombination, "この組合せでは出すことはできません"},
      {kMsgSetNeedsSameRank, "同位札でないと受け付けません"},
      {kMsgWrongSuit, "紋が違います"},
      {kMsgJokerLeftOrRight, "ジョーカーを左につけますか\n「いいえ」の時は右につけます"},
      {kMsgHelpFolderMissing, "実行ファイルと同じ場所にヘルプフォルダがありません"},
      {kMsgSettingsUnreadable, "設定ファイルを読み込めません\n今回のゲームの進行は保存されません\nファイルを直してから起動すると、続きから遊べます"},
      {kMsgSettingsNotSaved, "設定ファイルに書き込めません\nゲームの進行は保存されていません"},
      {kMsgAlreadyRunning, "トルヴァゲームはすでに起動しています"},
      {kWhyNoAccess, "アクセスが許可されていません"},
      {kWhyReadOnly, "書き込みが禁止されています"},
      {kWhyDiskFull, "ディスクの空き容量が足りません"},
      {kWhyFileInPlaceOfFolder, "フォルダの場所にファイルがあります"},
      {kWhyNotRegularFile, "通常のファイルではありません"},
      {kWhyInputOutput, "入出力エラーが発生しました"},
      {kWhyNoSuchFolder, "フォルダが見つかりません"},
  };
  return table;
}

}  // namespace

std::string_view StringText(int number) {
  const auto& table = Table();
  const auto it = table.find(number);
  if (it == table.end()) return {};
  return Translated(text_context::kStringTable, it->second);
}

std::string_view CourseName(int course) {
  std::string_view name;
  switch (course) {
    case 2: name = "中級"; break;
    case 3: name = "上級"; break;
    case 4: name = "プロ"; break;
    default: name = "初級"; break;
  }
  return Translated(text_context::kCourses, name);
}

}  // namespace tolva
