// The computer seats' decisions: the plan for the game, the choice at the
// start of a turn, the melds laid from the hand and the discard.
//
// The play is rule-based: no search and no memory. Of the other seats a
// computer player looks only at their hand sizes, their Reach flags and the
// open cards (river and exposed rows); its few random choices come from the
// clock's seconds.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "rules/CThink.h"
#include "rules/ClockChoice.h"
#include "rules/HandTally.h"
#include "rules/MeldRows.h"
#include "rules/MeldSearch.h"

namespace tolva {

namespace {

constexpr int kLargestDeck = kOrdinaryCards + 6;

HandCards CardsOf(const TableState& t, int seat) {
  return {t.Hand[seat].data(), static_cast<size_t>(std::clamp(t.HandCount[seat], 0, kHandSlots))};
}

int RiverTop(const TableState& t) {
  if (t.RiverCount < 1 || t.RiverCount > kPileSlots) return kEmptySlot;
  const int top = t.River[t.RiverCount - 1];
  return IsOrdinary(top) || IsJoker(top) ? top : kEmptySlot;
}

// How much more generous the thresholds are with fewer jokers in the deck:
// 2 with 54 cards, 1 with 56, 0 with 58.
int FewerJokersAllowance(int deckSize) { return std::clamp((kLargestDeck - deckSize) / 2, 0, 2); }

// The human seat has no plan of its own; it reads as the default one.
int PlanOf(const TableState& t, int seat) {
  return IsComputerSeat(seat) ? t.StrategyMode[seat] : kModeShedHigh;
}

// The Tolva bound: does the seat's hand look low enough against the smallest
// hand at the table?
bool IsTolvaCandidate(const TableState& t, int seat) {
  int fewest = kHandSlots + 1;
  int othersInReach = 0;
  for (int other = 0; other < kSeats; ++other) {
    if (other == seat) continue;
    fewest = std::min(fewest, t.HandCount[other]);
    if (t.ReachFlag[other]) ++othersInReach;
  }
  const HandTally tally(CardsOf(t, seat));
  const int x = tally.points;
  const int j = tally.jokers;
  const int k = FewerJokersAllowance(t.DeckSize);
  switch (fewest) {
    case 1: return othersInReach >= 2 && x == 0;
    case 2: return othersInReach >= 1 && x <= 1;
    case 3: return x < k + 1 - j;
    case 4:
    case 5: return x < fewest * (k + 1) - j;
    case 6:
    case 7: return x < fewest * (k + 2) - j;
    default: return false;  // someone has emptied his hand, or a count is off
  }
}

// "TolvaRitu": 1 declares always; 2 and 3 only when the three-way choice is
// neither 0 nor 1; any other stored value always.
bool DeclaresAtRate(int rate, const ClockChoice& clock) {
  if (rate == 2 || rate == 3) return clock.threeWay != 0 && clock.threeWay != 1;
  return true;
}

bool HoldsRank(HandCards hand, int card) {
  return std::any_of(hand.begin(), hand.end(),
                     [&](int c) { return IsOrdinary(c) && RankOf(c) == RankOf(card); });
}

bool HoldsNeighbourCode(HandCards hand, int card) {
  return std::any_of(hand.begin(), hand.end(), [&](int c) {
    const int apart = std::abs(c - card);
    return IsOrdinary(c) && (apart == 1 || apart == 12);
  });
}

}  // namespace

void CThink::PlanStrategy(int seat) {
  if (!IsComputerSeat(seat)) return;
  const HandCards hand = CardsOf(t_, seat);
  const HandTally tally(hand);
  const int cards = static_cast<int>(hand.size());
  const int averageBound = 3 + FewerJokersAllowance(t_.DeckSize);  // 5, 4 or 3

  int& mode = t_.StrategyMode[seat];
  if (cards <= 6) {
    // An empty hand has nothing to average; it counts as low.
    const int average = cards > 0 ? tally.points / cards : 0;
    mode = average <= averageBound ? kModeLowHand : kModeShedHigh;
  } else if (tally.points <= kDealtCards * averageBound) {  // 35, 28 or 21
    mode = kModeLowHand;
  } else if (tally.tenPointers >= 5) {
    mode = kModeTenPointers;
  } else if (tally.pairs >= 2 || (tally.jokers == 1 && tally.pairs >= 1) || tally.jokers >= 2) {
    mode = kModePairs;
  } else {
    mode = kModeShedHigh;
  }
}

int CThink::ChooseTurnAction() {
  const int seat = t_.TurnSeat;
  if (!IsSeat(seat)) return kActionDrawStock;
  const ClockChoice clock = ClockChoice::FromSeconds(host_.ClockSeconds());
  const int top = RiverTop(t_);
  auto& hand = t_.Hand[seat];

  if (t_.HandCount[seat] == kDealtCards && top != kEmptySlot) {
    // Offer the river card as the eighth card; the hand is left as it was,
    // eighth slot included.
    const int kept = hand[kDealtCards];
    hand[kDealtCards] = top;
    t_.HandCount[seat] = kHandSlots;
    const int wins = IsWinningHand(seat);
    t_.HandCount[seat] = kDealtCards;
    hand[kDealtCards] = kept;
    if (wins) return kActionRon;
  }

  const HandCards cards = CardsOf(t_, seat);
  if (cards.size() == kDealtCards && std::all_of(cards.begin(), cards.end(), IsTenPointer))
    return kActionSeventy;

  if (IsTolvaCandidate(t_, seat) && DeclaresAtRate(host_.TolvaRate(), clock)) return kActionTolva;

  if (top == kEmptySlot) return kActionDrawStock;
  bool takesRiver = false;
  switch (PlanOf(t_, seat)) {
    case kModeLowHand:
      takesRiver = IsJoker(top) || RankOf(top) == kRankAce ||
                   (RankOf(top) == kRankTwo && clock.oddFlip);
      break;
    case kModeTenPointers:
      takesRiver = IsTenPointer(top);
      break;
    case kModePairs:
      takesRiver = IsJoker(top) || HoldsRank(cards, top);
      break;
    case kModeShedHigh:
      takesRiver = IsJoker(top) || HoldsRank(cards, top) || HoldsNeighbourCode(cards, top);
      for (int row = 0; row < kMeldRows && !takesRiver; ++row)
        takesRiver = t_.MeldLength[row] > 0 && CanAttachToMeld(row, top) == 1;
      break;
    default:
      break;
  }
  return takesRiver ? kActionTakeRiver : kActionDrawStock;
}

int CThink::ExposeFromHand() {
  const int seat = t_.TurnSeat;
  if (!IsSeat(seat)) return 0;
  const HandCards hand = CardsOf(t_, seat);

  // Lays three cards in the first free row (none free: nothing is laid). The
  // cards leave the hand highest position first so the others stay put.
  auto lay = [&](const std::optional<MeldPositions>& found) {
    const int row = FirstFreeMeldRow(t_);
    if (!found || row < 0) return;
    MeldPositions positions = *found;
    for (int k = 0; k < 3; ++k) t_.Meld[row][k] = hand[positions[k]];
    t_.MeldLength[row] = 3;
    std::sort(positions.begin(), positions.end(), std::greater<>());
    for (const int position : positions) RemoveFromHand(seat, position);
  };

  if (hand.size() > 3) {
    const ClockChoice clock = ClockChoice::FromSeconds(host_.ClockSeconds());
    const auto triple = FindTriple(hand);
    const auto run = FindNaturalRun(hand);
    if (triple) {
      lay(run && !clock.oddFlip ? run : triple);
      return 1;
    }
    if (run) {
      lay(run);
      return 1;
    }
    const HandTally tally(hand);
    if (tally.jokers > 0) {
      const auto pair = FindPairWithJoker(hand);
      const auto jokerRun = FindJokerRun(hand, clock.oddFlip);
      const bool gapPair = HasGapPair(hand);
      if (pair || jokerRun || gapPair) {
        // Each branch answers 1 even when its search finds nothing to lay.
        if (gapPair && !pair) {
          lay(jokerRun && !clock.oddFlip ? jokerRun : FindGapRun(hand));
        } else if (gapPair && jokerRun) {
          lay(clock.threeWay == 1   ? pair
              : clock.threeWay == 2 ? jokerRun
                                    : FindGapRun(hand));
        } else if (gapPair) {
          lay(clock.oddFlip ? FindGapRun(hand) : pair);
        } else if (pair) {
          lay(jokerRun && !clock.oddFlip ? jokerRun : pair);
        } else {
          lay(jokerRun);
        }
        return 1;
      }
    }
  }

  // Attach single cards to the rows already out. The walk goes over the hand
  // once; after a removal the card that slides into the freed position waits
  // for the next call. The last card always stays: a seat must discard.
  bool attached = false;
  for (int i = 0; i < t_.HandCount[seat] && t_.HandCount[seat] > 1; ++i) {
    const int card = t_.Hand[seat][i];
    if (!IsOrdinary(card)) continue;
    for (int row = 0; row < kMeldRows; ++row) {
      if (t_.MeldLength[row] == 0 || CanAttachToMeld(row, card) != 1) continue;
      if (AttachCard(row, card) == 1) {
        RemoveFromHand(seat, i);
        attached = true;
        break;
      }
    }
  }
  return attached ? 1 : 0;
}

int CThink::ChooseDiscard(int takenCard, int mayDiscardTaken) {
  const int seat = t_.TurnSeat;
  if (!IsSeat(seat) || t_.HandCount[seat] <= 1) return 0;
  PlanStrategy(seat);
  const HandCards hand = CardsOf(t_, seat);
  const HandTally tally(hand);
  const int n = static_cast<int>(hand.size());
  // A card just taken from the river may not go straight back.
  auto passedOver = [&](int i) { return !mayDiscardTaken && hand[i] == takenCard; };
  auto candidate = [&](int i) { return IsOrdinary(hand[i]) && !passedOver(i); };

  switch (PlanOf(t_, seat)) {
    case kModeTenPointers: {
      int lowest = -1;
      for (int i = 0; i < n; ++i)
        if (candidate(i) && RankOf(hand[i]) < kRankTen &&
            (lowest < 0 || RankOf(hand[i]) < RankOf(hand[lowest])))
          lowest = i;
      if (lowest >= 0) return lowest;
      for (int i = n - 1; i >= 0; --i)
        if (IsJoker(hand[i]) && !passedOver(i)) return i;
      return 0;
    }
    case kModePairs:
      for (int i = 0; i < n; ++i)
        if (candidate(i) && tally.IsSingle(hand[i])) return i;
      return 0;
    default: {  // low hand and shed high: the highest rank goes, the last of equals
      int highest = -1;
      for (int i = 0; i < n; ++i)
        if (candidate(i) && (highest < 0 || RankOf(hand[i]) >= RankOf(hand[highest]))) highest = i;
      return highest >= 0 ? highest : 0;
    }
  }
}

int CThink::ChooseReachDiscard(int seat) {
  if (!IsSeat(seat) || t_.HandCount[seat] != kHandSlots) return -1;
  const HandCards hand = CardsOf(t_, seat);
  const HandTally tally(hand);
  if (tally.triplesOrMore > 0) return -1;
  const int p = tally.pairs;
  const int j = tally.jokers;
  const bool oneFromWin = (j == 0 && p == 3) || (j == 1 && p == 2) || (j == 2 && p == 1) || j >= 3;
  if (!oneFromWin) return -1;
  for (int i = 0; i < static_cast<int>(hand.size()); ++i)
    if (tally.IsSingle(hand[i])) return i;
  return -1;
}

}  // namespace tolva
