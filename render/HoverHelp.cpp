#include "render/HoverHelp.h"

#include "res/StringTable.h"

namespace tolva {

namespace {

HoverText Text(int id) { return {HoverText::Kind::String, id}; }

}  // namespace

HoverText HoverHelp(const HitRects& hits, bool tableActive, const std::array<int, 5>& reachFlag,
                    int x, int y) {
  if (tableActive)
    for (int seat = 0; seat < 5; ++seat)
      if (hits.SeatPlateRect[seat].Contains(x, y)) return {HoverText::Kind::Profile, seat};

  static constexpr std::array<int, 6> kButtonTips = {kTipStartMenu,  kTipSettingsMenu,
                                                     kTipHelpMenu,   kTipAngleUp,
                                                     kTipAngleDown,  kTipDeclarationMenu};
  for (int i = 0; i < 6; ++i)
    if (kButtonRect[i].Contains(x, y)) return Text(kButtonTips[i]);
  if (kGameNumberRect.Contains(x, y)) return Text(kTipGameNumber);
  for (int seat = 0; seat < 5; ++seat)
    if (reachFlag[seat] && hits.ReachCoinRect[seat].Contains(x, y)) return Text(kTipReachCoin);
  for (const Rect& row : hits.MeldHitRect)
    if (row.Contains(x, y)) return Text(kTipMeldRow);
  if (hits.StockRect.Contains(x, y)) return Text(kTipStock);
  if (hits.RiverRect.Contains(x, y)) return Text(kTipRiver);
  if (hits.PendingRect.Contains(x, y)) return Text(kTipPendingCoins);
  for (const Rect& purse : hits.PurseTextRect)
    if (purse.Contains(x, y)) return Text(kTipPurse);
  if (hits.StockCountRect.Contains(x, y)) return Text(kTipStockCount);
  if (hits.KeyLabelRect.Contains(x, y)) return Text(kTipKeyLabels);
  return {};
}

}  // namespace tolva
