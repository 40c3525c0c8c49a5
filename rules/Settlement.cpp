// Scoring: the payment multiplier and the settlement of a finished game, with
// the text the table shows to the player afterwards.
#include <algorithm>
#include <array>
#include <string>

#include "rules/CThink.h"

namespace tolva {

namespace {

const std::string kRuleLine = std::string(42, '-') + "\n";

int JokersIn(const TableState& t, int seat) {
  int n = 0;
  for (int i = 0; i < t.HandCount[seat]; ++i)
    if (IsJoker(t.Hand[seat][i])) ++n;
  return n;
}

std::string Name(int seat) { return std::string(SeatName(seat)); }

// A line of the text in the player's language, its places filled in.
std::string Line(std::string_view pattern, std::initializer_list<std::string_view> arguments = {}) {
  return FillIn(Translated(text_context::kSettlement, pattern), arguments);
}

std::string SettleDrawnGame(TableState& t) {
  t.ResultSeat -= 5;  // back to the seat that opened; it opens again
  std::string text = Line("『流れ』\n\n");
  text += Line("打ち出し親は %1 が継続します。\n", {Name(t.ResultSeat)});
  if (t.PendingPool >= 1) {
    text += Line("保留コインは %1 枚あります\n\n", {std::to_string(t.PendingPool)});
  } else {
    text += "\n";
  }
  return text;
}

}  // namespace

int CThink::PaymentMultiplier(int seat) {
  if (!IsSeat(seat)) return 0;  // no such seat: it pays nothing
  const int jokers = JokersIn(t_, seat);
  int factor = 1 << std::min(jokers, 20);
  if (t_.FirstRound) factor *= 2;
  return factor;
}

std::string CThink::SettleGame() {
  if (t_.ResultSeat >= kSeats) return SettleDrawnGame(t_);
  if (t_.ResultSeat < 0 || t_.ResultKind < kTolvaFailed || t_.ResultKind > kRon) return {};

  const int winner = t_.ResultSeat;
  const int kind = t_.ResultKind;
  std::array<int, kSeats> amount{};

  if (kind == kTolvaFailed) {
    const int each = 4 * PaymentMultiplier(winner);
    for (int seat = 0; seat < kSeats; ++seat) {
      if (seat == winner || !t_.TolvaMark[seat]) continue;
      amount[seat] += each;
      amount[winner] -= each;
    }
  } else if (kind == kReachWin || kind == kRon) {
    const int payer = t_.PayerSeat;
    if (payer >= 0 && payer < kSeats && payer != winner) {
      const int payment = (t_.IppatsuFlag[winner] ? 8 : 4) * PaymentMultiplier(payer);
      amount[payer] -= payment;
      amount[winner] += payment;
    }
  } else {  // successful Tolva, went out, Seventy, Tsumo: everybody pays his own multiplier
    for (int seat = 0; seat < kSeats; ++seat) {
      if (seat == winner) continue;
      const int payment = PaymentMultiplier(seat);
      amount[seat] -= payment;
      amount[winner] += payment;
    }
  }
  const int pool = kind == kTolvaFailed ? 0 : t_.PendingPool;
  if (pool > 0) {
    amount[winner] += pool;
    t_.PendingPool = 0;
  }

  std::string text = Line("『 %1 の%2』\n\n", {Name(winner), ResultKindName(kind)});
  if (t_.FirstRound) text += Line("[初巡 - ２倍]\n");
  if (t_.IppatsuFlag[winner]) text += Line("[リーチ一発 - ２倍]\n\n");
  if (kind == kTolvaFailed) {
    const int jokers = JokersIn(t_, winner);
    if (jokers > 0)
      text += Line("[Joker %1枚 - %2倍]\n", {std::to_string(jokers), std::to_string(1 << jokers)});
  }
  text += kRuleLine;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == winner) continue;
    text += Name(seat) + " = " + std::to_string(amount[seat]);
    const int jokers = JokersIn(t_, seat);
    if (amount[seat] != 0 && kind != kTolvaFailed && jokers > 0)
      text += Line(" (Joker %1枚, %2倍)", {std::to_string(jokers), std::to_string(1 << jokers)});
    text += "\n";
  }
  if (pool > 0) text += kRuleLine + Line("リーチ料のストック = %1\n", {std::to_string(pool)});
  text += kRuleLine + Name(winner) + " = " + std::to_string(amount[winner]) + "\n";

  for (int seat = 0; seat < kSeats; ++seat) t_.Purse[seat] += amount[seat];
  host_.SavePurses();
  return text;
}

}  // namespace tolva
