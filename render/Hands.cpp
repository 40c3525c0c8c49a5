#include "render/Hands.h"

#include <algorithm>

#include "render/CardDrawing.h"
#include "render/Projection.h"
#include "render/Text.h"
#include "table/ViewAngle.h"

namespace tolva {

namespace {

constexpr double kFarFanScale = 0.71192056;

constexpr int kFarCardWidth = 115, kFarCardHeight = 165, kFarCardStep = 24;
constexpr int kNearCardWidth = 140, kNearCardHeight = 200, kNearCardStep = 33;

int Angle(const SceneState& scene) { return static_cast<int>(DrawableViewAngle(scene.ViewAngle)); }
int CardsOf(const TableState& t, int seat) { return std::clamp(t.HandCount[seat], 0, kHandSlots); }
bool IsFarSeat(int seat) { return seat == 1 || seat == 2; }

Rect DrawPlate(DrawList& list, const TableState& t, int seat, int x, int y) {
  const int column = t.TurnSeat == seat ? 0 : 1;
  const Rect plate = Rect::Sized(x, y, kPlateWidth, kPlateHeight);
  list.Picture({PictureKind::NamePlate, seat * 2 + column}, plate);
  return plate;
}

QString PurseText(const TableState& t, int seat) { return QString::number(t.Purse[seat]); }

// Under the plate, centred on it.
Rect DrawPurseUnder(DrawList& list, const TableState& t, int seat, const Rect& plate) {
  const QString text = PurseText(t, seat);
  const Rect box = TextBox(list.Font(), 0, 0, text);
  return list.Text(plate.left + (plate.Width() - box.Width()) / 2, plate.bottom, text);
}

// Beside a near seat's plate, vertically centred on it and 2 pixels lower:
// seat 3 starts 100 pixels into the plate, seat 0 ends 8 pixels before it.
Rect DrawPurseBeside(DrawList& list, const TableState& t, int seat, const Rect& plate) {
  const QString text = PurseText(t, seat);
  const Rect box = TextBox(list.Font(), 0, 0, text);
  const int x = seat == 3 ? plate.left + 100 : plate.left - 8 - box.Width();
  const int y = plate.top + (plate.Height() - box.Height()) / 2 + 2;
  return list.Text(x, y, text);
}

void DrawPointsIn(DrawList& list, const SceneState& scene, int seat, const Rect& r) {
  if (!scene.HandPoints || r.IsEmpty()) return;
  DrawBigNumber(list, scene.HandPoints(seat), r.left + r.Width() / 2, r.top + r.Height() / 2);
}

// Room for two big digits to the right of the king's plate, centred on it
// from top to bottom.
constexpr int kPointsBesidePlate = 10;
Rect PointsBesidePlate(const Rect& plate) {
  return Rect::Sized(plate.right + kPointsBesidePlate, plate.top + (plate.Height() - kDigitSize) / 2,
                     2 * kDigitSize, kDigitSize);
}

}  // namespace

int FanFor(int n) { return std::clamp(n, 0, 7); }

Rect HumanCardPlace(int n, int i, double viewAngle) {
  const int k = static_cast<int>(DrawableViewAngle(viewAngle));
  const Anchor a = kSeatAnchor[kHumanSeat];
  const int x = a.x + (320 - 40 * n) / 2 + 40 * i;
  const int y = a.y + 6 * k - 186;
  return Rect::Sized(x, y, kCardWidth, kCardHeight);
}

void DrawComputerSeat(DrawList& list, const SceneState& scene, int seat, bool faceUp,
                      HitRects& hits) {
  const TableState& t = *scene.t;
  const int n = CardsOf(t, seat);
  const int k = Angle(scene);
  const Anchor a = kSeatAnchor[seat];
  const bool far = IsFarSeat(seat);
  Rect hand;
  Rect plate;

  if (far) {
    const int y = a.y + 7 * (kMaxViewAngle - k);
    if (faceUp) {
      for (int i = 0; i < n; ++i)
        DrawFaceScaled(list, t.Hand[seat][i], a.x + i * kFarCardStep, y, kFarCardWidth,
                       kFarCardHeight);
      if (n > 0)
        hand = Rect{a.x, y, a.x + (n - 1) * kFarCardStep + kFarCardWidth, y + kFarCardHeight};
      const int plateX = seat == 2 ? a.x - 95 : a.x + n * kFarCardStep + 94;
      plate = DrawPlate(list, t, seat, plateX, y + 71);
    } else {
      const int fan = FanFor(n);
      const int fanWidth = fan > 0 ? static_cast<int>(kFanWidth[fan] * kFarFanScale) : 0;
      if (fan > 0) {
        hand = Rect::Sized(a.x, y, fanWidth, kCardHeight);
        list.Picture({PictureKind::FarFan, fan}, hand);
      }
      const int plateX = seat == 2 ? a.x - 95 : a.x + fanWidth + 3;
      plate = DrawPlate(list, t, seat, plateX, y + 96);
    }
    hits.PurseTextRect[seat] = DrawPurseUnder(list, t, seat, plate);
  } else {
    const int y = a.y - k + kMaxViewAngle;
    // A face-up hand the player holds aside (button pressed on it) is left
    // out; its place keeps its rectangle so the release still finds it.
    const bool heldAside = scene.PeekOnPress[seat == 0 ? 0 : 1] != 0;
    if (faceUp) {
      const int x0 = seat == 0 ? a.x - n * kNearCardStep - 7 : a.x;
      if (n > 0)
        hand = Rect{x0, y, x0 + (n - 1) * kNearCardStep + kNearCardWidth, y + kNearCardHeight};
      if (!heldAside)
        for (int i = 0; i < n; ++i)
          DrawFaceScaled(list, t.Hand[seat][i], x0 + i * kNearCardStep, y, kNearCardWidth,
                         kNearCardHeight);
    } else {
      const int fan = FanFor(n);
      const int x = seat == 0 ? a.x - 60 : a.x;
      if (fan > 0) {
        hand = Rect::Sized(x, y, 150, 300);
        list.Picture({PictureKind::NearFan, fan}, hand);
      }
    }
    plate = DrawPlate(list, t, seat, seat == 0 ? a.x - 10 : a.x + 10, a.y - k + 6);
    hits.PurseTextRect[seat] = DrawPurseBeside(list, t, seat, plate);
  }

  hits.SeatPlateRect[seat] = plate;
  hits.SeatHandRect[seat] = hand;
  const bool heldAside = !far && scene.PeekOnPress[seat == 0 ? 0 : 1] != 0;
  if (faceUp && !heldAside && n > 0) DrawPointsIn(list, scene, seat, hand);
  if (scene.PublishHand) scene.PublishHand(seat);
}

void DrawHumanHand(DrawList& list, const SceneState& scene, HitRects& hits) {
  const TableState& t = *scene.t;
  const int n = CardsOf(t, kHumanSeat);
  hits.HandCardRect.fill(Rect{});
  for (int i = 0; i < n; ++i) {
    const Rect place = HumanCardPlace(n, i, scene.ViewAngle);
    DrawFace(list, t.Hand[kHumanSeat][i], place.left, place.top);
    hits.HandCardRect[i] = Rect{place.left, place.top, place.left + (i == n - 1 ? kCardWidth : 40),
                                place.bottom};
  }
  const Rect first = HumanCardPlace(n, 0, scene.ViewAngle);
  hits.SeatHandRect[kHumanSeat] =
      n > 0 ? Rect{first.left, first.top, first.left + 40 * n + 111, first.bottom} : Rect{};

  if (!scene.Dragging)
    for (int i = 0; i < n; ++i)
      if (t.Selected[i]) list.Invert(hits.HandCardRect[i]);
  if (t.OpenMode && n > 0) DrawPointsIn(list, scene, kHumanSeat, hits.SeatHandRect[kHumanSeat]);

  const int lastX = n > 0 ? HumanCardPlace(n, n - 1, scene.ViewAngle).left
                          : kSeatAnchor[kHumanSeat].x + 160;
  const Rect plate = DrawPlate(list, t, kHumanSeat, lastX + 161, first.top + 96);
  hits.SeatPlateRect[kHumanSeat] = plate;
  hits.PurseTextRect[kHumanSeat] = DrawPurseUnder(list, t, kHumanSeat, plate);
  // When the hands are shown at a game's end his total stands beside his
  // plate, as the generals' stand on their hands (in open mode it is on his
  // hand already).
  if (scene.RevealHands && !t.OpenMode && n > 0)
    DrawPointsIn(list, scene, kHumanSeat, PointsBesidePlate(plate));
}

}  // namespace tolva
