#include "KeyColour.h"

namespace tolva::picturegen {

QImage OnKey(const QImage& art, const QColor& key, const QColor& matte, int threshold) {
  const QImage src = art.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  const QRgb keyRgb = key.rgb();
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const int a = qAlpha(in[x]);
      if (a < threshold) {
        line[x] = keyRgb;
        continue;
      }
      auto over = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
      int r = over(qRed(in[x]), matte.red());
      int g = over(qGreen(in[x]), matte.green());
      int b = over(qBlue(in[x]), matte.blue());
      // A faint pixel that lands on the key may vanish; a solid one must not.
      if (qRgb(r, g, b) == keyRgb && a >= 128) b = b > 0 ? b - 1 : 1;
      line[x] = qRgb(r, g, b);
    }
  }
  return out;
}

}  // namespace tolva::picturegen
