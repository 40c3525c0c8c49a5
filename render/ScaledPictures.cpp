#include "render/ScaledPictures.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/CardBacks.h"
#include "render/Pixels.h"
#include "rules/Card.h"

namespace tolva {

namespace {

// Faces shrunk for face-up computer hands kept at most; beyond, they are made again.
constexpr size_t kMostShrunkFaces = 64;

// The bitmaps drawn on the table, with how the surfaces keep them.
struct BitmapUse {
  int id;
  bool keyed;
  QRgb key;
};
constexpr BitmapUse kUses[] = {
    {kBmpButtons, false, 0},
    {kBmpNamePlates, true, colours::kBackground},
    {kBmpGameNumbers, true, colours::kBackground},
    {kBmpCoins, true, colours::kCoinKey},
    {kBmpDigits, true, colours::kWhite},
    {kBmpCursor, true, colours::kWhite},
    {kBmpJokerStrip, false, 0},
    {kBmpCardBack, false, 0},
};

const BitmapUse* UseOf(int id) {
  for (const BitmapUse& use : kUses)
    if (use.id == id) return &use;
  return nullptr;
}

// The surfaces' own (1x) picture of a bitmap.
const QImage* OneX(const Surfaces& s, int id) {
  switch (id) {
    case kBmpButtons: return &s.Buttons;
    case kBmpNamePlates: return &s.NamePlates;
    case kBmpGameNumbers: return &s.GameNumbers;
    case kBmpCoins: return &s.Coins;
    case kBmpDigits: return &s.Digits;
    case kBmpCursor: return &s.CursorSprite;
    case kBmpJokerStrip: return &s.Joker;
    case kBmpCardBack: return &s.DefaultCardBack;
    default: return nullptr;
  }
}

}  // namespace

void ScaledPictures::SetSource(std::shared_ptr<const PictureSource> source) {
  source_ = std::move(source);
  Forget();
}

void ScaledPictures::SetScale(const DeviceScale& scale) {
  if (scale == scale_) return;
  scale_ = scale;
  Forget();
}

void ScaledPictures::ForgetIfStale() {
  if (version_ == s_.Version()) return;
  version_ = s_.Version();
  Forget();
}

void ScaledPictures::Forget() {
  bitmaps_.clear();
  faces_ = QImage();
  suitMade_.fill(false);
  made_.clear();
  shrunkFaces_.clear();
  cursors_.clear();
}

const ScaledPictures::Dense& ScaledPictures::Bitmap(int id) {
  const auto found = bitmaps_.find(id);
  if (found != bitmaps_.end()) return found->second;
  Dense dense;
  const int density = scale_.Density();
  const BitmapUse* use = UseOf(id);
  if (density > 1 && source_ && use != nullptr) {
    const QImage picture = source_->Bitmap(id, density);
    if (!picture.isNull()) dense = {use->keyed ? Keyed(picture, use->key) : Opaque(picture), density};
  }
  if (dense.image.isNull()) {
    // The surfaces keep these already keyed.
    if (const QImage* own = OneX(s_, id)) dense = {*own, 1};
  }
  return bitmaps_[id] = std::move(dense);
}

QImage ScaledPictures::Cell(const Dense& dense, int x, int y, int w, int h) {
  const int d = dense.density;
  return dense.image.copy(x * d, y * d, w * d, h * d);
}

bool ScaledPictures::MakeSuit(int suit) {
  if (suitMade_[static_cast<size_t>(suit)]) return true;
  const QSize cell = scale_.Size(kCardWidth, kCardHeight);
  // The suit's row of the densest sheet there is, else of the surfaces' own.
  const int density = scale_.Density();
  QImage row;
  int rowDensity = density;
  if (density > 1 && source_) {
    row = source_->CardSheet(density, QRect(0, suit * kCardHeight * density,
                                            kRanks * kCardWidth * density, kCardHeight * density));
    if (row.width() < kRanks * kCardWidth * density || row.height() < kCardHeight * density)
      row = QImage();
  }
  if (row.isNull()) {
    if (s_.CardSheet.isNull()) return false;
    row = s_.CardSheet.copy(0, suit * kCardHeight, kRanks * kCardWidth, kCardHeight);
    rowDensity = 1;
  }
  if (faces_.isNull()) faces_ = NewSurface(kRanks * cell.width(), kSuits * cell.height(), colours::kFelt);
  if (faces_.isNull()) return false;
  row = Opaque(row);
  QPainter painter(&faces_);
  for (int rank = 0; rank < kRanks; ++rank) {
    const QImage face = row.copy(rank * kCardWidth * rowDensity, 0, kCardWidth * rowDensity,
                                 kCardHeight * rowDensity);
    painter.drawImage(rank * cell.width(), suit * cell.height(),
                      Halftone(face, cell.width(), cell.height()));
  }
  suitMade_[static_cast<size_t>(suit)] = true;
  return true;
}

ScaledPictures::Piece ScaledPictures::Face(int code) {
  const QSize cell = scale_.Size(kCardWidth, kCardHeight);
  if (IsJoker(code)) {
    QImage& joker = made_[{static_cast<int>(PictureKind::Face), 53, kCardWidth, kCardHeight}];
    if (joker.isNull())
      joker = Halftone(Cell(Bitmap(kBmpJokerStrip), 0, 0, kCardWidth, kCardHeight), cell.width(),
                       cell.height());
    return {&joker, joker.rect()};
  }
  if (!IsOrdinary(code) || !MakeSuit(SuitOf(code))) return {};
  return {&faces_, QRect(RankOf(code) * cell.width(), SuitOf(code) * cell.height(), cell.width(),
                         cell.height())};
}

QImage ScaledPictures::DenseCardBack() {
  QImage back;
  if (s_.CardBackFree) {
    if (scale_.Density() > 1) back = LoadFreeImageLarge();
  } else {
    back = Bitmap(kBmpCardBack).image;
  }
  const bool own = back.isNull() || back.size() == QSize(kCardWidth, kCardHeight);
  // The surfaces' back already wears its frame line.
  if (own) return Keyed(s_.CardBack, colours::kStripKey);
  back = Keyed(back, colours::kStripKey);
  if (s_.CardBackFramed) {
    QPainter painter(&back);
    const int line = std::max(1, back.width() / kCardWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(colours::kCardFrame));
    const QRect r = back.rect();
    painter.drawRect(QRect(0, 0, r.width(), line));
    painter.drawRect(QRect(0, r.height() - line, r.width(), line));
    painter.drawRect(QRect(0, 0, line, r.height()));
    painter.drawRect(QRect(r.width() - line, 0, line, r.height()));
  }
  return back;
}

QImage ScaledPictures::Make(PictureRef picture, QSize size) {
  const int i = picture.index;
  switch (picture.kind) {
    case PictureKind::Face: {
      // Shrunk from the face at the scale (for the computer seats' hands).
      const Piece face = Face(i);
      if (face.image == nullptr) return {};
      return Halftone(face.image->copy(face.source), size.width(), size.height());
    }
    case PictureKind::CardBack: return Halftone(DenseCardBack(), size.width(), size.height());
    case PictureKind::Buttons:
      return Halftone(Bitmap(kBmpButtons).image, size.width(), size.height());
    case PictureKind::NamePlate:
      return Halftone(Cell(Bitmap(kBmpNamePlates), (i % 2) * kPlateWidth, (i / 2) * kPlateHeight,
                           kPlateWidth, kPlateHeight),
                      size.width(), size.height());
    case PictureKind::GameNumber:
      return Halftone(Cell(Bitmap(kBmpGameNumbers), (i % 10) * kGameNumberSize,
                           (i / 10) * kGameNumberSize, kGameNumberSize, kGameNumberSize),
                      size.width(), size.height());
    case PictureKind::GoldCoin:
    case PictureKind::SilverCoin: {
      const int x = picture.kind == PictureKind::GoldCoin ? 0 : kCoinSize;
      return Halftone(Cell(Bitmap(kBmpCoins), x, 0, kCoinSize, kCoinSize), size.width(),
                      size.height());
    }
    case PictureKind::Digit:
      return Halftone(Cell(Bitmap(kBmpDigits), i * kDigitSize, 0, kDigitSize, kDigitSize),
                      size.width(), size.height());
    case PictureKind::FarFan:
    case PictureKind::NearFan: {
      if (i < 1 || i > 7) return {};
      if (scale_.Density() == 1 || s_.HiddenHandStrip.isNull()) {
        // Shrunk from the strip as the surfaces' fans are.
        const QImage cell = Keyed(s_.HiddenHandStrip.copy(FanCellX(i), 0, kFanWidth[i], kStripHeight),
                                  colours::kStripKey);
        return Halftone(cell, size.width(), size.height());
      }
      return DrawFan(DenseCardBack(), i, size, s_.CardBackFramed);
    }
  }
  return {};
}

ScaledPictures::Piece ScaledPictures::Get(PictureRef picture, const Rect& place) {
  ForgetIfStale();
  const int i = picture.index;
  if (scale_.IsUnit()) {
    switch (picture.kind) {
      case PictureKind::Face: {
        if (place.Width() != kCardWidth || place.Height() != kCardHeight) {
          const QImage& face = s_.ScaledFace(i, place.Width(), place.Height());
          return {&face, face.rect()};
        }
        const FaceRef face = s_.FaceOf(i);
        return {face.image, face.source};
      }
      case PictureKind::CardBack: {
        const QImage& back = s_.CardBackShown.isNull() ? s_.CardBack : s_.CardBackShown;
        return {&back, QRect(0, 0, kCardWidth, kCardHeight)};
      }
      case PictureKind::Buttons: return {&s_.Buttons, s_.Buttons.rect()};
      case PictureKind::NamePlate:
        return {&s_.NamePlates,
                QRect((i % 2) * kPlateWidth, (i / 2) * kPlateHeight, kPlateWidth, kPlateHeight)};
      case PictureKind::GameNumber:
        return {&s_.GameNumbers, QRect((i % 10) * kGameNumberSize, (i / 10) * kGameNumberSize,
                                       kGameNumberSize, kGameNumberSize)};
      case PictureKind::GoldCoin: return {&s_.GoldCoin, s_.GoldCoin.rect()};
      case PictureKind::SilverCoin: return {&s_.SilverCoin, s_.SilverCoin.rect()};
      case PictureKind::FarFan:
        if (i < 1 || i > 7) return {};
        return {&s_.FarFans[i], s_.FarFans[i].rect()};
      case PictureKind::NearFan:
        if (i < 1 || i > 7) return {};
        return {&s_.NearFans[i], s_.NearFans[i].rect()};
      case PictureKind::Digit: return {&s_.Digits, QRect(i * kDigitSize, 0, kDigitSize, kDigitSize)};
    }
    return {};
  }
  const QSize size = scale_.Size(place.Width(), place.Height());
  if (picture.kind == PictureKind::Face) {
    if (place.Width() == kCardWidth && place.Height() == kCardHeight) return Face(i);
    const std::tuple<int, int, int> key{i, place.Width(), place.Height()};
    if (!shrunkFaces_.contains(key) && shrunkFaces_.size() >= kMostShrunkFaces) shrunkFaces_.clear();
    QImage& shrunk = shrunkFaces_[key];
    if (shrunk.isNull()) shrunk = Make(picture, size);
    return {&shrunk, shrunk.rect()};
  }
  QImage& made = made_[{static_cast<int>(picture.kind), i, place.Width(), place.Height()}];
  if (made.isNull()) made = Make(picture, size);
  return {&made, made.rect()};
}

QImage ScaledPictures::Result(int id, QSize size) const {
  const auto own = s_.ResultPictures.find(id);
  const QImage small = own != s_.ResultPictures.end() ? own->second : QImage();
  if (small.isNull() || size.isEmpty()) return small;
  const double needed = std::max(static_cast<double>(size.width()) / small.width(),
                                 static_cast<double>(size.height()) / small.height());
  QImage picture;
  for (int density = std::clamp(static_cast<int>(std::ceil(needed - 1e-6)), 1, 3);
       density > 1 && picture.isNull() && source_; --density)
    picture = Opaque(source_->Bitmap(id, density));
  return picture.isNull() ? small : picture;
}

const QImage& ScaledPictures::Cursor(QSize size) {
  ForgetIfStale();
  if (size == s_.CursorSprite.size()) return s_.CursorSprite;
  QImage& made = cursors_[{size.width(), size.height()}];
  if (made.isNull()) made = Halftone(Bitmap(kBmpCursor).image, size.width(), size.height());
  return made;
}

}  // namespace tolva
