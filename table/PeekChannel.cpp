#include "table/PeekChannel.h"

#include <cctype>

#include "table/SettingsSchema.h"

namespace tolva {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A field read as C's atoi reads it (blanks, a sign, the leading digits), but
// without its overflow: any value beyond the largest card code is no card.
int CardFromField(std::string_view field) {
  size_t i = 0;
  while (i < field.size() && IsBlank(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  int value = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    value = value * 10 + (field[i] - '0');
    if (value > kLargestCardCode) return kUnknownCard;
  }
  if (negative || value < 1) return kUnknownCard;
  return value;
}

}  // namespace

std::string PeekHandText(std::span<const int> cards) {
  std::string text;
  for (const int code : cards) {
    text += std::to_string(code);
    text += ',';
  }
  return text;
}

PeekHand ParsePeekHand(std::string_view text) {
  PeekHand hand;
  while (hand.count < kHandSlots && !text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    if (field.empty()) break;
    hand.cards[hand.count++] = CardFromField(field);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return hand;
}

void ClosePeekWindow(Settings& settings) {
  settings.SetCunningView(0);
  settings.SetCunNow(kPeekClose);
}

}  // namespace tolva
