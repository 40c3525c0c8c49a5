#include "render/TableSurface.h"

#include <QPainter>
#include <algorithm>
#include <functional>

#include "render/CardDrawing.h"
#include "render/DrawListPainter.h"
#include "render/Projection.h"
#include "render/ScaledPictures.h"
#include "rules/Card.h"

namespace tolva {

namespace {

bool IsCard(int code) { return IsOrdinary(code) || IsJoker(code); }

// A pile's top card and its grey side down to the pile's foot.
void DrawPile(DrawList& list, int x, int top, const std::function<void()>& drawTop) {
  drawTop();
  const Rect side{x, top + kCardHeight, x + kCardWidth, kPileBottom};
  list.Outlined(side, colours::kPileSide, colours::kBlack);
}

bool Running(int step) { return step >= 0 && step < 7; }

}  // namespace

Rect MeldCardPlace(int row, int k, int j) {
  const Rect& slot = kMeldSlotRect[row];
  const int step = k > 1 ? MeldSpreadRoom(row) / (k - 1) : 0;
  return Rect::Sized(slot.left + j * step, slot.top, kCardWidth, kCardHeight);
}

int ShownRiverCard(const SceneState& scene) {
  const TableState& t = *scene.t;
  const int n = std::clamp(t.RiverCount, 0, kPileSlots);
  const int index = scene.RiverStep >= 0 ? n - 2 : n - 1;
  if (index < 0) return kEmptySlot;
  return IsCard(t.River[index]) ? t.River[index] : kEmptySlot;
}

void RecordTableSurface(DrawList& list, const SceneState& scene) {
  const TableState& t = *scene.t;
  list.Outlined(Rect{0, 0, kTableSize, kTableSize}, colours::kTableBorder,
                colours::kTableBorderLine);
  list.Outlined(Rect{7, 7, kTableSize - 7, kTableSize - 7}, colours::kFelt, colours::kBlack);

  // Reach coins: gold while the one-shot chance lasts, silver after.
  for (int seat = 0; seat < kSeats; ++seat) {
    if (t.ReachFlag[seat] == 0 || seat == scene.ReachAnimSeat) continue;
    list.Picture({t.IppatsuFlag[seat] ? PictureKind::GoldCoin : PictureKind::SilverCoin, 0},
                 kReachCoinPlace[seat]);
  }

  const int stock = std::clamp(t.StockCount, 0, kPileSlots);
  if (stock > 0) {
    const int top = PileTop(stock, scene.ViewAngle);
    DrawPile(list, kStockPlace.left, top, [&] { DrawCardBack(list, kStockPlace.left, top); });
  }

  const int riverCard = ShownRiverCard(scene);
  if (riverCard != kEmptySlot) {
    const int top = PileTop(std::clamp(t.RiverCount, 0, kPileSlots), scene.ViewAngle);
    DrawPile(list, kRiverPlace.left, top, [&] { DrawFace(list, riverCard, kRiverPlace.left, top); });
  } else {
    list.Outlined(kRiverPlace, colours::kPlace, colours::kPlaceLine);
  }

  for (const Rect& slot : kMeldSlotRect) list.Outlined(slot, colours::kPlace, colours::kPlaceLine);
  for (int row = 0; row < kMeldRows; ++row) {
    const int k = std::clamp(t.MeldLength[row], 0, kMeldSlots);
    for (int j = 0; j < k; ++j) {
      const Rect place = MeldCardPlace(row, k, j);
      DrawFace(list, t.Meld[row][j], place.left, place.top);
    }
  }

  // The opening-seat choice: the bottom stock cards, face up, the winner's
  // card left out while it blinks.
  if (scene.ChoiceShown && scene.ChoiceTick >= 0 && scene.ChoiceTick <= 5) {
    const int shown = std::min(scene.ChoiceTick, 4);
    for (int seat = 0; seat <= shown; ++seat) {
      if (scene.ChoiceBlink && seat == t.ResultSeat) continue;
      const Rect& slot = kMeldSlotRect[kOpeningSeatRow[seat]];
      DrawFace(list, t.Stock[seat], slot.left, slot.top);
    }
  }

  // Cards and the Reach coin in flight, at the point of the moving seat.
  const int mover = t.TurnSeat;
  if (mover >= 0 && mover < kComputerSeats) {
    if (Running(scene.StockStep)) {
      const ScenePoint p = scene.StockFlight[mover][scene.StockStep];
      DrawCardBack(list, p.x, p.y);
    }
    if (Running(scene.RiverStep)) {
      const int n = std::clamp(t.RiverCount, 0, kPileSlots);
      const ScenePoint p = scene.RiverFlight[mover][scene.RiverStep];
      if (n > 0) DrawFace(list, t.River[n - 1], p.x, p.y);
    }
    if (Running(scene.DiscardStep)) {
      const ScenePoint p = scene.DiscardFlight[mover][scene.DiscardStep];
      DrawFace(list, t.DiscardCard, p.x, p.y);
    }
  }
  if (Running(scene.ReachStep) && scene.ReachAnimSeat >= 0 && scene.ReachAnimSeat < kSeats) {
    const ScenePoint p = scene.ReachFlight[scene.ReachAnimSeat][scene.ReachStep];
    list.Picture({PictureKind::GoldCoin, 0}, Rect::Sized(p.x, p.y, kSmallCoinSize, kSmallCoinSize));
  }
}

void DrawTableSurface(Surfaces& s, const SceneState& scene) {
  if (s.TableSurface.isNull()) return;
  DrawList list;
  RecordTableSurface(list, scene);
  ScaledPictures pictures(s);
  pictures.SetScale({static_cast<double>(s.TableSurface.width()) / kTableSize,
                     static_cast<double>(s.TableSurface.height()) / kTableSize});
  QPainter painter(&s.TableSurface);
  PaintList(painter, list, pictures, QImage());
}

}  // namespace tolva
