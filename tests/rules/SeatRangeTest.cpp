// Every rules operation that takes a seat refuses a number outside 0 to 4 with
// its own refusal value and leaves the table as it was. Such a seat used to
// index the five-seat arrays and abort the program under the bounds checks.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "rules/CThink.h"
#include "rules/Deal.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

// The void operations answer nothing; for them only the table is checked.
using Result = std::optional<int>;
struct SeatOperation {
  const char* name;
  std::function<Result(CThink&, int seat)> call;
  Result refusal;
};

const SeatOperation kOperations[] = {
    {"PlanStrategy", [](CThink& c, int s) -> Result { c.PlanStrategy(s); return {}; }, {}},
    {"JudgeTolva", [](CThink& c, int s) -> Result { return c.JudgeTolva(s); }, 0},
    {"PaymentMultiplier", [](CThink& c, int s) -> Result { return c.PaymentMultiplier(s); }, 0},
    {"ChooseCall", [](CThink& c, int s) -> Result { return c.ChooseCall(s); }, kNoCall},
    {"HandPoints", [](CThink& c, int s) -> Result { return c.HandPoints(s); }, 0},
    {"CountForCall", [](CThink& c, int s) -> Result { return c.CountForCall(s, 5); }, 0},
    {"IsReachHand", [](CThink& c, int s) -> Result { return c.IsReachHand(s); }, 0},
    {"IsWinningHand", [](CThink& c, int s) -> Result { return c.IsWinningHand(s); }, 0},
    {"ChooseReachDiscard", [](CThink& c, int s) -> Result { return c.ChooseReachDiscard(s); }, -1},
    {"ComputerCall Pon", [](CThink& c, int s) -> Result { return c.ComputerCall(s, 1); }, 0},
    {"ComputerCall Kan", [](CThink& c, int s) -> Result { return c.ComputerCall(s, 0); }, 0},
    {"RemoveFromHand", [](CThink& c, int s) -> Result { c.RemoveFromHand(s, 0); return {}; }, {}},
    {"InsertIntoHand", [](CThink& c, int s) -> Result { c.InsertIntoHand(s, 5); return {}; }, {}},
};

TEST(SeatRange, EveryOperationRefusesASeatOffTheTableAndChangesNothing) {
  TableState t = testing::EmptyTable();
  ShuffleAndDeal(t, 7);
  // A river card the hands could call, so no operation stops early for an
  // empty river before it looks at the seat.
  t.River[0] = t.Stock[--t.StockCount];
  t.RiverCount = 1;
  testing::ScriptedRulesHost host;
  CThink think{t, host};
  const TableState before = t;
  for (const SeatOperation& op : kOperations) {
    for (const int seat : {-1, kSeats, -1000, 1000}) {
      EXPECT_EQ(op.call(think, seat), op.refusal) << op.name << " for seat " << seat;
      EXPECT_TRUE(t == before) << op.name << " for seat " << seat << " changed the table";
    }
  }
  EXPECT_TRUE(host.waves.empty());
  EXPECT_EQ(host.fullRedraws + host.plainRedraws, 0);
}

}  // namespace
}  // namespace tolva
