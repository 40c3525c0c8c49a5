#include "app/PeekButtonRow.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>

#include "app/PeekCommands.h"
#include "render/Geometry.h"
#include "render/PictureSource.h"
#include "render/Pixels.h"
#include "rules/Card.h"
#include "dialogs/QtText.h"

namespace tolva {

namespace {

// Right of the game number, level with the icons: the row's left end and its middle.
constexpr QPoint kRowOnCanvas(kGameNumberRect.right + 9, kButtonStripY + kGameNumberSize / 2);
constexpr int kButtonSize = 26;  // the 16 x 16 coin on a tile like the icons'
constexpr int kButtonGap = 3;
constexpr QRgb kPeekKey = qRgb(128, 0, 0);

// Blue tiles in a bronze frame, as the icons beside them; lighter under the
// pointer, darker while pressed.
constexpr char kTileStyle[] =
    "QToolButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3454a8,"
    " stop:1 #172963); border: 1px solid #85611e; border-radius: 3px; padding: 0; }"
    "QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a6cc8,"
    " stop:1 #22388a); border-color: #e2b13d; }"
    "QToolButton:pressed { background: #101d48; border-color: #e2b13d; }";

// The coin drawn at one, two and three times its size; the button takes the
// one that fits its size on the screen.
QIcon PeekIcon(const std::array<QImage, 3>& sheets, int image) {
  QIcon icon;
  for (size_t i = 0; i < sheets.size(); ++i) {
    const int side = kPeekImageSize * static_cast<int>(i + 1);
    if (sheets[i].width() >= 4 * side)
      icon.addPixmap(QPixmap::fromImage(sheets[i].copy(image * side, 0, side, side)));
  }
  return icon;
}

QImage PeekSheet(int density) {
  const QString name = PictureResource(density == 1 ? QStringLiteral("pictures/%1.png").arg(kBmpPeekButtons)
                                                    : QStringLiteral("pictures/%1@%2x.png").arg(kBmpPeekButtons).arg(density));
  QImage sheet = Keyed(QImage(name), kPeekKey);
  sheet.setDevicePixelRatio(1);  // the pixels, not a ratio read from the name
  return sheet;
}

}  // namespace

PeekButtonRow::PeekButtonRow(std::function<void(int command)> onCommand, QWidget* parent)
    : QWidget(parent) {
  const std::array<QImage, 3> sheets = {PeekSheet(1), PeekSheet(2), PeekSheet(3)};
  setStyleSheet(QString::fromLatin1(kTileStyle));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(kButtonGap);
  for (size_t i = 0; i < kPeekCommands.size(); ++i) {
    const PeekCommand& command = kPeekCommands[i];
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setIconSize(QSize(kPeekImageSize, kPeekImageSize));
    button->setIcon(PeekIcon(sheets, command.image));
    if (button->icon().isNull()) {
      // Without its picture the button still names its seat.
      button->setText(QtText(SeatName(command.Seat())).left(1));
    }
    button->setToolTip(PeekButtonTip(command.Seat()));
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QToolButton::clicked, this,
            [onCommand, id = command.command] { onCommand(id); });
    layout->addWidget(button);
    buttons_[i] = button;
  }
  adjustSize();
}

void PeekButtonRow::Place(float scaleX, float scaleY) {
  // Sized with the window as the icons beside the row are.
  const int tile = std::max(1, static_cast<int>(kButtonSize * scaleY));
  const int coin = std::max(1, static_cast<int>(kPeekImageSize * scaleY));
  for (QToolButton* button : buttons_) {
    button->setFixedSize(tile, tile);
    button->setIconSize(QSize(coin, coin));
  }
  layout()->setSpacing(std::max(1, static_cast<int>(kButtonGap * scaleX)));
  adjustSize();
  move(static_cast<int>(kRowOnCanvas.x() * scaleX),
       std::max(0, static_cast<int>(kRowOnCanvas.y() * scaleY) - tile / 2));
}

}  // namespace tolva
