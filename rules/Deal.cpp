#include "rules/Deal.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>

namespace tolva {

namespace {
constexpr int kShuffleSwaps = 200;
}

void ShuffleAndDeal(TableState& t, std::uint32_t seed) {
  const int deckSize = std::clamp(t.DeckSize, kSeatsDealt + 1, kSeatsDealt + kPileSlots);
  t.DeckSize = deckSize;
  std::array<int, kSeatsDealt + kPileSlots> deck{};
  std::iota(deck.begin(), deck.begin() + deckSize, 1);

  // A fixed, portable generator so that a seed always gives the same deal.
  std::mt19937 random(seed);
  for (int swap = 0; swap < kShuffleSwaps; ++swap) {
    const auto a = static_cast<int>(random() % static_cast<unsigned>(deckSize));
    const auto b = static_cast<int>(random() % static_cast<unsigned>(deckSize));
    std::swap(deck[a], deck[b]);
  }

  for (int seat = 0; seat < kSeats; ++seat) {
    auto& hand = t.Hand[seat];
    std::copy_n(deck.begin() + seat * kDealtCards, kDealtCards, hand.begin());
    std::sort(hand.begin(), hand.begin() + kDealtCards);
    t.HandCount[seat] = kDealtCards;
  }
  t.StockCount = deckSize - kSeatsDealt;
  std::copy_n(deck.begin() + kSeatsDealt, t.StockCount, t.Stock.begin());
}

int OpeningKey(int code) {
  if (IsJoker(code)) return -1;
  const int rank = RankOf(code);
  return rank >= kRankTen ? kTenPointerKey : rank;
}

int ChooseOpeningSeat(const TableState& t) {
  int best = 0;
  int bestKey = kRanks + 1;
  for (int seat = 0; seat < kSeats; ++seat) {
    const int key = OpeningKey(t.Stock[seat]);
    if (key < 0) return seat;  // a joker wins the moment its seat is examined
    if (key < bestKey) {
      best = seat;
      bestKey = key;
    }
  }
  return best;
}

}  // namespace tolva
