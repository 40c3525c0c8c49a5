#include "bench/render/BusyTable.h"

#include "tests/support/Tables.h"

namespace tolva {

TableState BusyTable() {
  TableState t = testing::EmptyTable();
  testing::SetHand(t, 0, "As 2s 3s 4s 5s 6s 7s");
  testing::SetHand(t, 1, "8s 9s Ts Js Qs Ks");
  testing::SetHand(t, 2, "2h 3h 4h 5h 6h 7h 8h");
  testing::SetHand(t, 3, "9h Th Jh Qh");
  testing::SetHand(t, 4, "3d 4d 5d 6d 7d 8d 9d Td");
  testing::SetStock(t, "Jd Qd Kd Ac 2c 3c 4c 5c 6c");
  testing::SetRiver(t, "7c 8c 9c");
  testing::SetMeld(t, 0, "Tc Jc Qc");
  testing::SetMeld(t, 4, "Ah Ad Kc Jk");
  testing::SetMeld(t, 8, "Kh Ks Jk");
  t.Purse = {1200, 950, 87, 3, 10000};
  t.GameNo = 5;
  t.TurnSeat = 4;
  t.PendingPool = 12;
  t.ReachFlag[2] = 1;
  t.Selected[1] = 1;
  return t;
}

}  // namespace tolva
