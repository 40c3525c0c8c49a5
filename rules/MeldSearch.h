// The searches a computer seat runs over its hand, in code order, for three
// cards to lay as a new meld. Each answers the hand positions of the three
// cards in the order they are laid in the row (a King-Ace-2 run is laid K, A,
// 2; a run with the joker on its left is laid Jk, x, y), or nothing.
#pragma once

#include <array>
#include <optional>

#include "rules/HandTally.h"

namespace tolva {

using MeldPositions = std::array<int, 3>;

// The first card (in hand order) with two more of its rank, and the first two
// of them.
std::optional<MeldPositions> FindTriple(HandCards hand);

// Three cards of one suit in sequence: Q-K-A or K-A-2 around an Ace whose King
// is held, otherwise three neighbouring positions with consecutive codes.
std::optional<MeldPositions> FindNaturalRun(HandCards hand);

// Two cards in sequence and the hand's first joker: Jk-x-y on an odd coin
// flip, x-y-Jk on an even one (an Ace and its King give Jk-K-A or K-A-Jk).
std::optional<MeldPositions> FindJokerRun(HandCards hand, bool oddFlip);

// A card x with the card two above it in its suit (a Queen with the Ace, a
// King with the 2). The hand's last non-joker never serves as x.
bool HasGapPair(HandCards hand);

// Two neighbouring cards of one suit two apart (x, Jk, x+2) or eleven apart
// (Q, Jk, A and K, Jk, 2), with the hand's last joker in the gap.
std::optional<MeldPositions> FindGapRun(HandCards hand);

// The first card with a partner of its rank, that partner, and the hand's
// last joker.
std::optional<MeldPositions> FindPairWithJoker(HandCards hand);

}  // namespace tolva
