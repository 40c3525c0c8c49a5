#include "rules/MeldSearch.h"

#include <cstdlib>

namespace tolva {

namespace {

constexpr bool IsCard(int code) { return IsOrdinary(code); }

int PositionOf(HandCards hand, int code) {
  for (int i = 0; i < static_cast<int>(hand.size()); ++i)
    if (hand[i] == code) return i;
  return -1;
}

int FirstJoker(HandCards hand) {
  for (int i = 0; i < static_cast<int>(hand.size()); ++i)
    if (IsJoker(hand[i])) return i;
  return -1;
}

// Hands are sorted, so this is the last card whenever the hand holds a joker.
int LastJoker(HandCards hand) {
  for (int i = static_cast<int>(hand.size()) - 1; i >= 0; --i)
    if (IsJoker(hand[i])) return i;
  return -1;
}

int SameSuit(int code, int rank) { return CardCode(SuitOf(code), rank); }

}  // namespace

std::optional<MeldPositions> FindTriple(HandCards hand) {
  const int n = static_cast<int>(hand.size());
  for (int i = 0; i < n; ++i) {
    if (!IsCard(hand[i])) continue;
    MeldPositions found{i, -1, -1};
    int more = 0;
    for (int k = i + 1; k < n && more < 2; ++k)
      if (IsCard(hand[k]) && RankOf(hand[k]) == RankOf(hand[i])) found[1 + more++] = k;
    if (more == 2) return found;
  }
  return std::nullopt;
}

std::optional<MeldPositions> FindNaturalRun(HandCards hand) {
  const int n = static_cast<int>(hand.size());
  for (int j = 0; j + 1 < n; ++j) {
    const int card = hand[j];
    if (IsJoker(card)) break;
    if (!IsCard(card)) continue;
    const int rank = RankOf(card);
    if (rank == kRankAce) {
      const int king = PositionOf(hand, SameSuit(card, kRankKing));
      if (king >= 0) {
        if (const int queen = PositionOf(hand, SameSuit(card, kRankQueen)); queen >= 0)
          return MeldPositions{queen, king, j};
        if (const int two = PositionOf(hand, SameSuit(card, kRankTwo)); two >= 0)
          return MeldPositions{king, j, two};
      }
    }
    // A Queen or King would run into the next suit's codes.
    if (rank != kRankQueen && rank != kRankKing && j + 2 < n && hand[j + 1] == card + 1 &&
        hand[j + 2] == card + 2)
      return MeldPositions{j, j + 1, j + 2};
  }
  return std::nullopt;
}

std::optional<MeldPositions> FindJokerRun(HandCards hand, bool oddFlip) {
  const int joker = FirstJoker(hand);
  if (joker < 0) return std::nullopt;
  const int n = static_cast<int>(hand.size());
  auto withJoker = [&](int x, int y) {
    return oddFlip ? MeldPositions{joker, x, y} : MeldPositions{x, y, joker};
  };
  for (int j = 0; j + 1 < n; ++j) {
    const int card = hand[j];
    if (!IsCard(card)) continue;
    const int rank = RankOf(card);
    if (rank == kRankAce) {
      if (const int king = PositionOf(hand, SameSuit(card, kRankKing)); king >= 0)
        return withJoker(king, j);
    }
    if (rank != kRankKing && hand[j + 1] == card + 1) return withJoker(j, j + 1);
  }
  return std::nullopt;
}

bool HasGapPair(HandCards hand) {
  const int n = static_cast<int>(hand.size());
  for (int i = 0; i + 1 < n && !IsJoker(hand[i + 1]); ++i) {
    const int x = hand[i];
    if (!IsCard(x)) continue;
    // Two above a Queen or King lies in the next suit: its partner wraps round
    // to the Ace or 2 of its own suit.
    const int rank = RankOf(x);
    const int partner = rank >= kRankQueen ? x - 11 : x + 2;
    if (PositionOf(hand, partner) >= 0) return true;
  }
  return false;
}

std::optional<MeldPositions> FindGapRun(HandCards hand) {
  const int joker = LastJoker(hand);
  if (joker < 0) return std::nullopt;
  const int n = static_cast<int>(hand.size());
  for (int i = 0; i + 1 < n; ++i) {
    const int a = hand[i];
    const int b = hand[i + 1];
    if (!IsCard(a) || !IsCard(b) || SuitOf(a) != SuitOf(b)) continue;
    const int low = a < b ? i : i + 1;
    const int high = a < b ? i + 1 : i;
    switch (std::abs(b - a)) {
      case 2: return MeldPositions{low, joker, high};
      case 11: return MeldPositions{high, joker, low};  // Q, Jk, A or K, Jk, 2
      default: break;
    }
  }
  return std::nullopt;
}

std::optional<MeldPositions> FindPairWithJoker(HandCards hand) {
  const int joker = LastJoker(hand);
  if (joker < 0) return std::nullopt;
  const int n = static_cast<int>(hand.size());
  for (int i = 0; i < n; ++i) {
    if (!IsCard(hand[i])) continue;
    for (int k = i + 1; k < n; ++k)
      if (IsCard(hand[k]) && RankOf(hand[k]) == RankOf(hand[i])) return MeldPositions{i, k, joker};
  }
  return std::nullopt;
}

}  // namespace tolva
