#include "render/Text.h"

#include <QFontMetrics>

namespace tolva {

QFont CanvasFont() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(16);
  font.setStyleHint(QFont::Monospace);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

Rect TextBox(const QFont& font, int x, int y, const QString& text) {
  const QFontMetrics metrics(font);
  return Rect::Sized(x, y, metrics.horizontalAdvance(text), metrics.height());
}

Rect DrawCanvasText(QPainter& painter, int x, int y, const QString& text) {
  const Rect box = TextBox(painter.font(), x, y, text);
  painter.setPen(QColor::fromRgb(colours::kText));
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(box.ToQRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
  return box;
}

}  // namespace tolva
