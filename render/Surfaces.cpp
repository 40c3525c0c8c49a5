#include "render/Surfaces.h"

#include "render/Pixels.h"
#include "res/StringTable.h"
#include "rules/Card.h"

namespace tolva {

namespace {

constexpr QRgb kPlateKey = colours::kBackground;
constexpr double kFarFanScale = 0.71192056;  // 215 / 302: the far seats' fans keep their shape
constexpr int kNearFanWidth = 150;
constexpr int kNearFanHeight = 300;

// The embedded bitmap as an opaque picture; null when missing.
QImage LoadOpaque(const PictureSource& source, int id) { return Opaque(source.Bitmap(id)); }

}  // namespace

QImage NewSurface(int w, int h, QRgb fill) {
  QImage surface(w, h, kSurfaceFormat);
  if (!surface.isNull()) surface.fill(fill);
  return surface;
}

FaceRef Surfaces::FaceOf(int code) const {
  if (IsJoker(code)) {
    if (Joker.isNull()) return {};
    return {&Joker, QRect(0, 0, kCardWidth, kCardHeight)};
  }
  if (!IsOrdinary(code) || CardSheet.isNull()) return {};
  return {&CardSheet,
          QRect(RankOf(code) * kCardWidth, SuitOf(code) * kCardHeight, kCardWidth, kCardHeight)};
}

const QImage& Surfaces::ScaledFace(int code, int w, int h) {
  const FaceRef face = FaceOf(code);
  if (face.image == nullptr || w <= 0 || h <= 0) return noFace_;
  const quint64 key = (static_cast<quint64>(w) << 32) | static_cast<quint32>(h);
  QImage& scaled = scaledFaces_[key][IsJoker(code) ? 52 : code - 1];
  if (scaled.isNull()) scaled = Halftone(face.image->copy(face.source), w, h);
  return scaled;
}

void Surfaces::PrepareCoins() {
  ++version_;
  if (Coins.isNull()) return;
  GoldCoin = Halftone(Coins.copy(0, 0, kCoinSize, kCoinSize), kSmallCoinSize, kSmallCoinSize);
  SilverCoin =
      Halftone(Coins.copy(kCoinSize, 0, kCoinSize, kCoinSize), kSmallCoinSize, kSmallCoinSize);
}

void Surfaces::PrepareCardBackPictures() {
  ++version_;
  CardBackShown = Keyed(CardBack, colours::kStripKey);
  for (auto& fan : FarFans) fan = QImage();
  for (auto& fan : NearFans) fan = QImage();
  if (HiddenHandStrip.isNull()) return;
  for (int n = 1; n <= 7; ++n) {
    const QImage cell = Keyed(
        HiddenHandStrip.copy(FanCellX(n), 0, kFanWidth[n], kStripHeight), colours::kStripKey);
    FarFans[n] = Halftone(cell, static_cast<int>(kFanWidth[n] * kFarFanScale), kCardHeight);
    NearFans[n] = Halftone(cell, kNearFanWidth, kNearFanHeight);
  }
}

bool LoadBoardPictures(Surfaces& s, const PictureSource& source, bool peekInstance,
                       const MessageSink& messages) {
  const auto fail = [&] {
    Report(messages, kMsgOutOfMemory, MessageStyle::Error);
    return false;
  };

  const QImage jokers = LoadOpaque(source, kBmpJokerStrip);
  if (jokers.isNull()) return fail();
  s.Joker = jokers.copy(0, 0, kCardWidth, kCardHeight);
  s.ForgetScaledFaces();
  if ((s.BackBuffer = NewSurface(kCanvasWidth, kCanvasHeight, colours::kBackground)).isNull())
    return fail();
  if (peekInstance) {
    // The peek picture shows the hand's points in the big digits as well.
    s.Digits = Keyed(source.Bitmap(kBmpDigits), colours::kWhite);
    return s.Digits.isNull() ? fail() : true;
  }

  if ((s.TableSurface = NewSurface(kTableSize, kTableSize, colours::kFelt)).isNull()) return fail();
  if ((s.Buttons = LoadOpaque(source, kBmpButtons)).isNull()) return fail();
  if ((s.Map = LoadOpaque(source, kBmpMap)).isNull()) return fail();
  for (int i = 0; i < 3; ++i)
    s.MapKeyColours[i] = s.Map.valid(88 + i, 432) ? s.Map.pixel(88 + i, 432) : colours::kBlack;
  if ((s.NamePlates = Keyed(source.Bitmap(kBmpNamePlates), kPlateKey)).isNull()) return fail();
  if ((s.HiddenHandStrip = NewSurface(kStripWidth, kStripHeight, colours::kStripKey)).isNull())
    return fail();
  if ((s.DefaultCardBack = LoadOpaque(source, kBmpCardBack)).isNull()) return fail();
  s.CardBack = s.DefaultCardBack.copy();
  s.PrepareCardBackPictures();
  if ((s.SpriteSave = NewSurface(431, 430)).isNull()) return fail();
  for (int id : kResultBitmaps) {
    QImage picture = LoadOpaque(source, id);
    if (picture.isNull()) return fail();
    s.ResultPictures[id] = std::move(picture);
  }
  if ((s.Coins = Keyed(source.Bitmap(kBmpCoins), colours::kCoinKey)).isNull()) return fail();
  s.PrepareCoins();
  if ((s.GameNumbers = Keyed(source.Bitmap(kBmpGameNumbers), kPlateKey)).isNull()) return fail();
  if ((s.CursorSprite = Keyed(source.Bitmap(kBmpCursor), colours::kWhite)).isNull()) return fail();
  if ((s.Digits = Keyed(source.Bitmap(kBmpDigits), colours::kWhite)).isNull()) return fail();
  return true;
}

}  // namespace tolva
