#include "rules/CardText.h"

#include <sstream>
#include <stdexcept>

#include "rules/Card.h"

namespace tolva {

namespace {

constexpr std::string_view kRankLetters = "A23456789TJQK";
constexpr std::string_view kSuitLetters = "shdc";

int ParseOrdinary(std::string_view word) {
  if (word.size() < 2) return 0;
  std::string_view rankPart = word.substr(0, word.size() - 1);
  const char suitLetter = word.back();
  const auto suit = kSuitLetters.find(suitLetter);
  if (suit == std::string_view::npos) return 0;
  if (rankPart == "10") rankPart = "T";
  if (rankPart.size() != 1) return 0;
  const auto rank = kRankLetters.find(rankPart[0]);
  if (rank == std::string_view::npos) return 0;
  return CardCode(static_cast<int>(suit), static_cast<int>(rank));
}

}  // namespace

int ParseCard(std::string_view word) {
  if (word.size() > 1 && word[0] == 'J' && word[1] >= '5' && word[1] <= '9') {
    const int code = std::stoi(std::string(word.substr(1)));
    if (IsJoker(code)) return code;
  }
  const int code = ParseOrdinary(word);
  if (code == 0) throw std::invalid_argument("not a card: " + std::string(word));
  return code;
}

std::vector<int> ParseCards(std::string_view text) {
  std::vector<int> codes;
  int nextJoker = kOrdinaryCards + 1;
  std::istringstream words{std::string(text)};
  std::string word;
  while (words >> word) {
    if (word == "Jk") {
      codes.push_back(nextJoker++);
    } else {
      codes.push_back(ParseCard(word));
    }
  }
  return codes;
}

std::string CardName(int code) {
  if (code == kEmptySlot) return "--";
  if (IsJoker(code)) return "Jk";
  if (!IsOrdinary(code)) return "?" + std::to_string(code);
  return std::string{kRankLetters[RankOf(code)], kSuitLetters[SuitOf(code)]};
}

std::string CardNames(std::span<const int> codes) {
  std::string text;
  for (const int code : codes) {
    if (!text.empty()) text += ' ';
    text += CardName(code);
  }
  return text;
}

}  // namespace tolva
