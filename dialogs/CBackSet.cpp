#include "dialogs/CBackSet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "dialogs/DialogPictures.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/ImageFileFilter.h"
#include "dialogs/PlainMnemonics.h"
#include "dialogs/PreviewFit.h"
#include "dialogs/QtText.h"
#include "render/CardBacks.h"
#include "render/ImageFiles.h"
#include "render/TempFolder.h"
#include "render/Pixels.h"
#include "render/Surfaces.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

constexpr QSize kButtonImageSize(24, 24);
// The dialog's own size in units; it widens when its longest label needs it.
constexpr int kDialogUnitsWide = 250;
constexpr int kDialogUnitsHigh = 228;
constexpr int kLabelMargin = 14;
constexpr int kButtonMargin = 6;

// A one-pixel frame just inside r.
void Frame(QPainter& painter, const QRect& r, const QColor& colour) {
  if (r.width() <= 0 || r.height() <= 0) return;
  painter.save();
  painter.setPen(QPen(colour, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
  painter.restore();
}

// A picture shrunk (halftone) to fill r on a screen of the given pixel ratio.
QImage PreviewPicture(const QImage& picture, const QRect& r, qreal pixelRatio) {
  if (picture.isNull() || r.isEmpty()) return {};
  QImage shrunk = Halftone(Opaque(picture), std::max(1, qRound(r.width() * pixelRatio)),
                           std::max(1, qRound(r.height() * pixelRatio)));
  shrunk.setDevicePixelRatio(pixelRatio);
  return shrunk;
}

}  // namespace

CBackSet::CBackSet(CardBackContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      context_(std::move(context)) {
  setWindowTitle(Tr(text_context::kDialogs, kBackSetCaption));
  PlainMnemonics::Install(*this);
  setFont(ProportionalDialogFont());
  setMouseTracking(true);
  setAcceptDrops(true);  // only the black frame takes the files, see AcceptsDropAt
  BuildControls();

  const Settings settings(context_.store);
  SelectPreview(settings.BackSet() == 1 ? kFreePreview : kDefaultPreview);
  HasFreeImage = LoadFreeImage(context_.surfaces, context_.services.Sink()) ? 1 : 0;

  PreviewRect[kDefaultPreview] = UnitRect(24, 88, 76, 115);
  PreviewRect[kFreePreview] = UnitRect(118, 86, 100, 120);
  for (int i = 0; i < 2; ++i) PictureRect[i] = FitCardPicture(PreviewRect[i]);

  FrameLine = settings.CardWaku() != 0 ? 1 : 0;
  frameLine_->setChecked(FrameLine == 1);
  connect(frameLine_, &QCheckBox::toggled, this, &CBackSet::OnFrameLineToggled);

  defaultPreview_ = PreviewPicture(DialogPicture(kBmpDefaultBack).toImage(),
                                   PictureRect[kDefaultPreview], devicePixelRatioF());
  RefreshFreePreview();
}

void CBackSet::BuildControls() {
  defaultRadio_ = new QRadioButton(Tr(text_context::kDialogs, kBackDefaultText), this);
  freeRadio_ = new QRadioButton(Tr(text_context::kDialogs, kBackFreeText), this);
  auto* sources = new QButtonGroup(this);
  sources->addButton(defaultRadio_, kDefaultPreview);
  sources->addButton(freeRadio_, kFreePreview);
  PlaceControl(*defaultRadio_, 14, 72, 75, 8);
  PlaceControl(*freeRadio_, 117, 72, 80, 8);
  // Only a click of the player sounds (checking them from code does not).
  connect(defaultRadio_, &QRadioButton::clicked, this, &CBackSet::PlayClick);
  connect(freeRadio_, &QRadioButton::clicked, this, &CBackSet::PlayClick);

  save_ = new QPushButton(SaveButtonIcon(), Tr(text_context::kDialogs, kBackSaveText), this);
  cancel_ = new QPushButton(DialogIcon(kBmpEnd32), Tr(text_context::kDialogs, kBackCancelText), this);
  change_ = new QPushButton(Tr(text_context::kDialogs, kBackChangeText), this);
  for (QPushButton* button : {save_, cancel_}) button->setIconSize(kButtonImageSize);
  save_->setDefault(true);
  cancel_->setAutoDefault(false);
  change_->setAutoDefault(false);
  connect(save_, &QPushButton::clicked, this, &CBackSet::accept);
  connect(cancel_, &QPushButton::clicked, this, &CBackSet::reject);
  connect(change_, &QPushButton::clicked, this, &CBackSet::ChooseFile);

  frameLine_ = new QCheckBox(Tr(text_context::kDialogs, kBackFrameLineText), this);
  PlaceControl(*frameLine_, 17, 210, 109, 10);

  auto* choose = new QLabel(Tr(text_context::kDialogs, kBackChooseLabel), this);
  auto* howTo = new QLabel(Tr(text_context::kDialogs, kBackHowToLabel), this);
  int labelsWide = 0;
  for (QLabel* label : {choose, howTo}) {
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    labelsWide = std::max(labelsWide, label->width());
  }
  choose->move(UnitsToPixelsX(9), UnitsToPixelsY(27));
  howTo->move(UnitsToPixelsX(9), UnitsToPixelsY(41));

  // OK and Cancel stand side by side in the top right corner, however wide
  // the labels make the dialog; a "change" button that its text widens
  // widens the dialog too.
  PlaceControl(*change_, 208, 68, 27, 14);
  const int width = std::max({UnitsToPixelsX(kDialogUnitsWide),
                              UnitsToPixelsX(9) + labelsWide + kLabelMargin,
                              change_->geometry().right() + 1 + kButtonMargin});
  PlaceControl(*save_, 144, 2, 54, 20);
  PlaceControl(*cancel_, 198, 2, 45, 20);
  cancel_->move(width - kButtonMargin - cancel_->width(), cancel_->y());
  save_->move(cancel_->x() - save_->width(), save_->y());
  setFixedSize(width, UnitsToPixelsY(kDialogUnitsHigh));
}

int CBackSet::ChosenSource() const { return freeRadio_->isChecked() ? 1 : 0; }

void CBackSet::SelectPreview(int preview) {
  // The group keeps the two exclusive: checking one unchecks the other.
  (preview == kFreePreview ? freeRadio_ : defaultRadio_)->setChecked(true);
}

int CBackSet::PreviewAt(const QPoint& point) const {
  if (PreviewRect[kDefaultPreview].contains(point)) return kDefaultPreview;
  if (PreviewRect[kFreePreview].contains(point)) return kFreePreview;
  return -1;
}

void CBackSet::PlayClick() const {
  if (context_.soundOn) context_.services.Wave(kWaveCursorMove);
}

void CBackSet::RefreshFreePreview() {
  freePreview_ = HasFreeImage ? PreviewPicture(context_.surfaces.Scratch,
                                               PictureRect[kFreePreview], devicePixelRatioF())
                              : QImage();
}

void CBackSet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect& defaultPicture = PictureRect[kDefaultPreview];
  if (!defaultPreview_.isNull()) painter.drawImage(defaultPicture.topLeft(), defaultPreview_);
  Frame(painter, defaultPicture.adjusted(-1, -1, 1, 1),
        FrameLine ? kCardFrameColour : QColor(Qt::white));

  Frame(painter, PreviewRect[kFreePreview], Qt::black);  // the frame that takes dropped files
  if (HasFreeImage && !freePreview_.isNull()) {
    painter.drawImage(PictureRect[kFreePreview].topLeft(), freePreview_);
    if (FrameLine) Frame(painter, PictureRect[kFreePreview], kCardFrameColour);
  }
}

void CBackSet::mouseMoveEvent(QMouseEvent* event) {
  const int preview = PreviewAt(event->position().toPoint());
  const bool over = preview == kDefaultPreview || (preview == kFreePreview && HasFreeImage);
  if (over) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
  QDialog::mouseMoveEvent(event);
}

void CBackSet::mousePressEvent(QMouseEvent* event) {
  const int preview = PreviewAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || preview < 0) return QDialog::mousePressEvent(event);
  SelectPreview(preview);
  PlayClick();
}

void CBackSet::mouseDoubleClickEvent(QMouseEvent* event) {
  const int preview = PreviewAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || preview < 0)
    return QDialog::mouseDoubleClickEvent(event);
  SelectPreview(preview);
  if (Save()) QDialog::accept();
}

void CBackSet::OnFrameLineToggled(bool on) {
  FrameLine = on ? 1 : 0;
  repaint(PictureRect[kDefaultPreview].adjusted(-2, -2, 2, 2));
  repaint(PreviewRect[kFreePreview]);
}

void CBackSet::ChooseFile() {
  const QString path = QFileDialog::getOpenFileName(
      this, Tr(text_context::kDialogs, kImageFileDialogTitle), QString(), QtFileFilter(kImageFileFilter));
  if (!path.isEmpty()) SetFreeImageFromPath(path);
}

bool CBackSet::SetFreeImageFromPath(const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path)) return false;
  const MessageSink messages = context_.services.Sink();
  const QImage picture = DecodePlayerImage(path, messages);  // 30056 or 30001 on its own
  if (picture.isNull()) return false;
  QImage back = StretchToCardBack(picture);
  if (back.isNull()) {
    // The scratch surface keeps the free image it had: nothing changes.
    context_.services.Message(kMsgImageTransferFailed, MessageStyle::Error);
    return false;
  }
  context_.surfaces.Scratch = std::move(back);
  freeLarge_ = StretchToCardBack(picture, kFreeImageLargeDensity);
  HasFreeImage = 1;
  Changed = 1;
  SelectPreview(kFreePreview);
  RefreshFreePreview();
  repaint();
  return true;
}

bool CBackSet::Save() {
  Settings settings(context_.store);
  const int old = settings.BackSet();
  const int chosen = ChosenSource();
  if (chosen == 1) {
    if (!HasFreeImage) {
      context_.services.Message(kMsgNoFreeImage, MessageStyle::Error);
      return false;
    }
    if (Changed == 1) {
      // A free image that could not be written is not chosen: the card backs
      // would otherwise fall back to the default one without a word.
      // Told every time: this is the answer to the player's own choice.
      const MessageSink messages = context_.services.Sink();
      const TempFolderCheck folder = PrivateTempFolder();
      if (folder.reason != 0) {
        TellFileProblem(messages, folder.path, folder.reason);
        return false;
      }
      const QString file = folder.path + QLatin1Char('/') + QLatin1String(kFreeImageFile);
      if (!SaveBitmapAs(context_.surfaces.Scratch, file, kCardWidth, kCardHeight,
                        QStringLiteral("jpeg"), messages))
        return false;
      // The large copy serves screens of more pixels; without it they show
      // the card back enlarged, so a failure here says nothing.
      if (!freeLarge_.isNull()) SaveFreeImageLarge(freeLarge_, {});
    }
  }
  if (chosen != old) {
    settings.SetBackSet(chosen);
    Changed = 1;
  }
  if (settings.CardWaku() != FrameLine) {
    settings.SetCardWaku(FrameLine);
    Changed = 1;
  }
  return true;
}

void CBackSet::accept() {
  if (Save()) QDialog::accept();
}

bool CBackSet::AcceptsDropAt(const QPoint& point, const QMimeData* data) const {
  return PreviewRect[kFreePreview].contains(point) && data && data->hasUrls();
}

void CBackSet::dragEnterEvent(QDragEnterEvent* event) {
  // Entering the dialog is allowed anywhere; the move decides where a drop lands.
  if (event->mimeData() && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CBackSet::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsDropAt(event->position().toPoint(), event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void CBackSet::dropEvent(QDropEvent* event) {
  if (!AcceptsDropAt(event->position().toPoint(), event->mimeData())) return event->ignore();
  event->acceptProposedAction();
  // Only the first file of a drop counts; the others are ignored.
  const QUrl first = event->mimeData()->urls().value(0);
  if (first.isLocalFile()) SetFreeImageFromPath(first.toLocalFile());
}

}  // namespace tolva
