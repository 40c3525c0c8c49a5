// The story of the course selection, line by line. Blank lines are empty
// entries; the leading half-width and full-width spaces place the lines the
// way the dialog has always shown them, so they are kept as they are.
#include "res/StoryText.h"

namespace tolva {

constexpr std::array<std::string_view, kStoryLineCount> kStoryLines = {
    "",
    "",
    "　           　トルヴァゲーム",
    "     〜アレクサンドロス大王の東方遠征〜",
    "",
    "",
    "【ストーリー】",
    "",
    "  このゲームは紀元前３３４年から３２３年までの間に",
    "行われたアレクサンドロス大王の東方遠征を題材に",
    "しています。大王は部下の将軍たちとトルヴァゲーム",
    "を戦いながら地図上の経路をたどり、軍資金が",
    "なくなるまで、ゲームを続けることができます。",
    "",
    "  大王はゲーム１０回毎に地図の経路を１つ進むことが",
    "できますが、そのたびに４人の部下へ給料として",
    "銀貨５０枚ずつを支払わなければなりません。",
    "給料の分はゲームに勝って取り戻す必要があります。",
    "負けが続くと軍資金はみるみる減っていき、底を",
    "ついた時点で遠征は終わり、ゲームオーバー",
    "になります。",
    "",
    "  このゲームの最終目標は、地図上の経路を全てたどり",
    "史実ではバビロンで終わった大王の遠征を、地中海を",
    "時計回りにめぐって故郷マケドニアまで続け、完結",
    "させることです。",
    "",
    "【注意】",
    "  １．ゲームを途中で終了してもそれまでの獲得コイン",
    "　　数は記憶されます。",
    "　２．部下のコイン数はマイナスになることもあります",
    "　　がゲームは終了しません。",
    "",
    "",
    "                        企画・製作",
    "",
    "                   TolvaGame 開発チーム",
    "",
    "",
    "",
    "",
    "",
    "",
    "                    幸運をお祈り致します",
};

}  // namespace tolva
