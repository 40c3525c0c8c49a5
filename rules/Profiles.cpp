// The seats' profile texts, shown as the hover tip over their name plates:
// a heading naming the figure as his father's son, his life dates, and a short
// biography of his part in the great campaign and what came after. Every line
// ends with a line break, the last one too.
#include <array>
#include <span>
#include <string_view>

#include "res/Translation.h"
#include "rules/CThink.h"

namespace tolva {

namespace {

constexpr std::array<std::string_view, 16> kSeleucus = {
    "アンティオコスの子、セレウコス",
    "【B.C.358-280】",
    "大王の東征に従い、近衛の歩兵隊を率いた。",
    "インドのヒュダスペス河畔の戦いで活躍。",
    "スサの合同結婚式でアパメを妻に迎えた。",
    "大王の死後、バビロニアの総督となる。",
    "アンティゴノスに追われ、エジプトへ逃れた。",
    "前312年バビロンに戻り、王国の礎を築く。",
    "東方の諸州を平定し、インドにまで至った。",
    "マウリヤ朝のチャンドラグプタと和を結び、",
    "象五百頭を得て、西へ軍を返した。",
    "前301年イプソスでアンティゴノスを破る。",
    "シリアにアンティオキアの都を建設した。",
    "前281年コルペディオンでリュシマコスを破り、",
    "故国マケドニアへ渡る途中で暗殺された。",
    "刺客はプトレマイオスの子ケラウノス。享年78歳位",
};

constexpr std::array<std::string_view, 7> kPtolemy = {
    "ラゴスの子、プトレマイオス",
    "【367?-283B.C.】",
    "大王の幼友達で、側近護衛官の一人。",
    "遠征中、逃亡したベッソスを捕らえた。",
    "大王の死後エジプトを得て、遺骸を奪い葬る。",
    "前305年に王を称し、プトレマイオス朝を開く。",
    "ムセイオンを興し、天寿を全うした。享年84歳位",
};

constexpr std::array<std::string_view, 10> kAntigonus = {
    "ピリッポスの子、アンティゴノス",
    "【382?-301B.C.】",
    "「隻眼」と呼ばれ、先王の代から仕えた老将。",
    "東征ではプリュギアの総督に任じられ、",
    "小アジアを固めて大王の背後を守った。",
    "大王の死後、アジアの全軍の指揮を握り、",
    "エウメネスを破って東方にも勢力を広げた。",
    "前306年、子デメトリオスと共に王を称す。",
    "前301年、イプソスでセレウコスらと戦い、",
    "投げ槍を受けて戦場に倒れた。享年81歳位",
};

constexpr std::array<std::string_view, 7> kLysimachus = {
    "オロンテスの子、リュシマコス",
    "【355?-281B.C.】",
    "大王の側近護衛官として東征に従った。",
    "大王の死後、トラキアを治めることになる。",
    "都リュシマケイアを築き、やがて王を称す。",
    "イプソスの勝利後、小アジアとマケドニアを得た。",
    "コルペディオンでセレウコスに敗死。享年74歳位",
};

constexpr std::array<std::string_view, 13> kAlexander = {
    "ピリッポスの子、アレクサンドロス",
    "【356-323B.C.】",
    "ペラに生まれ、アリストテレスに学んだ。",
    "前336年、父王の暗殺により二十歳で即位。",
    "前334年、ヘレスポントスを渡り東征を開始。",
    "グラニコス河畔でペルシア軍を破った。",
    "イッソスの戦いでダレイオス3世を敗走させた。",
    "テュロスを攻め落とし、エジプトへ入った。",
    "ナイル河口の西にアレクサンドリアを建設。",
    "ガウガメラの戦いに勝ち、ペルシアを滅ぼす。",
    "バクトリア、ソグディアナを経てインドへ進み、",
    "ヒュダスペス河畔でポロス王を降した。",
    "帰還の後、バビロンで熱病に倒れた。享年32歳",
};

std::span<const std::string_view> LinesOf(int seat) {
  switch (seat) {
    case 0: return kSeleucus;
    case 1: return kPtolemy;
    case 2: return kAntigonus;
    case 3: return kLysimachus;
    default: return kAlexander;  // the king, and any seat number out of range
  }
}

}  // namespace

std::string CThink::ProfileText(int seat) const {
  std::string text;
  for (const std::string_view line : LinesOf(seat)) {
    text += Translated(text_context::kProfiles, line);
    text += '\n';
  }
  return text;
}

}  // namespace tolva
