// Short readable names for cards, for tests, the simulator's reports and
// debugging: rank A 2..9 T J Q K (or 10), suit s h d c (suit index 0..3), and
// "Jk" for a joker. Example: "5s 5h Jk Kd".
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolva {

// Parses a space-separated list. Each "Jk" takes the next unused joker code
// (53, 54, ...), so "Jk Jk" names two different jokers; "J53" names one exactly.
// Throws std::invalid_argument on a word that is not a card.
std::vector<int> ParseCards(std::string_view text);
int ParseCard(std::string_view word);

std::string CardName(int code);                 // "5s", "Td", "Jk", "--" for -1
std::string CardNames(std::span<const int> codes);  // space separated

}  // namespace tolva
