#include <gtest/gtest.h>

#include <stdexcept>

#include "rules/CardText.h"

namespace tolva {
namespace {

TEST(CardText, NamesAndCodesRoundTrip) {
  for (int code = 1; code <= 52; ++code) EXPECT_EQ(ParseCard(CardName(code)), code);
  EXPECT_EQ(ParseCards("As Kc 10h Jk Jk J58"), (std::vector<int>{1, 52, 23, 53, 54, 58}));
  EXPECT_EQ(CardNames(ParseCards("5s Td Jk")), "5s Td Jk");
}

TEST(CardText, RejectsWordsThatAreNotCards) {
  EXPECT_THROW(ParseCards("5x"), std::invalid_argument);
  EXPECT_THROW(ParseCards("1s"), std::invalid_argument);
  EXPECT_THROW(ParseCards("J50"), std::invalid_argument);
}

}  // namespace
}  // namespace tolva
