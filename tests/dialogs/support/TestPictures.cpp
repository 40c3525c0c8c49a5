#include "support/TestPictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace tolva::testing {

QImage TwoColours(QRgb top, QRgb bottom, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(bottom);
  for (int y = 0; y < h / 2; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, top);
  return image;
}

QByteArray TwoColourGif(QRgb top, QRgb bottom, int w, int h) {
  QByteArray gif("GIF89a");
  const auto le16 = [&](int v) {
    gif.append(static_cast<char>(v & 0xFF));
    gif.append(static_cast<char>((v >> 8) & 0xFF));
  };
  le16(w);
  le16(h);
  gif.append(static_cast<char>(0x91));  // global palette of 4 colours
  gif.append('\0');
  gif.append('\0');
  for (QRgb c : {top, bottom, qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
    gif.append(static_cast<char>(qRed(c)));
    gif.append(static_cast<char>(qGreen(c)));
    gif.append(static_cast<char>(qBlue(c)));
  }
  gif.append(',');
  le16(0);
  le16(0);
  le16(w);
  le16(h);
  gif.append('\0');
  gif.append('\x02');  // minimum code size: clear is 4, end is 5

  QByteArray codes;
  quint32 bits = 0;
  int held = 0;
  const auto put = [&](int code) {
    bits |= static_cast<quint32>(code) << held;
    held += 3;
    while (held >= 8) {
      codes.append(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      held -= 8;
    }
  };
  const int pixels = w * h;
  for (int i = 0; i < pixels; ++i) {
    if (i % 2 == 0) put(4);
    put(i / w < h / 2 ? 0 : 1);
  }
  put(5);
  if (held > 0) codes.append(static_cast<char>(bits & 0xFF));
  for (qsizetype at = 0; at < codes.size(); at += 255) {
    const QByteArray block = codes.mid(at, 255);
    gif.append(static_cast<char>(block.size()));
    gif.append(block);
  }
  gif.append('\0');
  gif.append(';');
  return gif;
}

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, format).write(image);
  return bytes;
}

namespace {

// The PNG header chunk's CRC, over "IHDR" and its 13 bytes at 12..28.
void FixPngHeaderCrc(QByteArray& png) {
  quint32 crc = 0xffffffffu;
  for (int i = 12; i < 29; ++i) {
    crc ^= static_cast<quint8>(png[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  qToBigEndian(crc ^ 0xffffffffu, png.data() + 29);
}

// The first baseline or progressive frame header of a JPEG.
qsizetype JpegFrameHeader(const QByteArray& jpeg) {
  for (qsizetype at = 2; at + 9 < jpeg.size();) {
    if (static_cast<quint8>(jpeg[at]) != 0xFF) return -1;
    const quint8 marker = static_cast<quint8>(jpeg[at + 1]);
    if (marker == 0xC0 || marker == 0xC2) return at;
    at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
  }
  return -1;
}

// Rewrites the width and length entries of a little-endian TIFF's first
// directory as 32-bit values.
bool SetTiffSize(QByteArray& tiff, quint32 w, quint32 h) {
  if (!tiff.startsWith("II*")) return false;
  const quint32 directory = qFromLittleEndian<quint32>(tiff.constData() + 4);
  if (directory + 2 > static_cast<quint32>(tiff.size())) return false;
  const int entries = qFromLittleEndian<quint16>(tiff.constData() + directory);
  int found = 0;
  for (int i = 0; i < entries; ++i) {
    char* entry = tiff.data() + directory + 2 + 12 * i;
    if (entry + 12 > tiff.constData() + tiff.size()) return false;
    const quint16 tag = qFromLittleEndian<quint16>(entry);
    if (tag != 256 && tag != 257) continue;
    qToLittleEndian<quint16>(4, entry + 2);  // LONG
    qToLittleEndian<quint32>(1, entry + 4);
    qToLittleEndian<quint32>(tag == 256 ? w : h, entry + 8);
    ++found;
  }
  return found == 2;
}

}  // namespace

QByteArray ClaimingSize(const char* format, quint32 w, quint32 h) {
  const QImage small = TwoColours(qRgb(200, 0, 0), qRgb(0, 0, 200), 8, 8);
  const QByteArray type(format);
  if (type == "gif") {
    QByteArray gif = TwoColourGif(qRgb(200, 0, 0), qRgb(0, 0, 200), 8, 8);
    for (qsizetype at : {6, 30}) {  // the screen, and the image after its palette
      qToLittleEndian<quint16>(static_cast<quint16>(w), gif.data() + at);
      qToLittleEndian<quint16>(static_cast<quint16>(h), gif.data() + at + 2);
    }
    return gif;
  }
  QByteArray bytes = Encoded(small, format);
  if (type == "png") {
    qToBigEndian(w, bytes.data() + 16);
    qToBigEndian(h, bytes.data() + 20);
    FixPngHeaderCrc(bytes);
    return bytes;
  }
  if (type == "bmp") {
    qToLittleEndian(w, bytes.data() + 18);
    qToLittleEndian(h, bytes.data() + 22);
    return bytes;
  }
  if (type == "jpeg") {
    const qsizetype frame = JpegFrameHeader(bytes);
    if (frame < 0) return {};
    qToBigEndian<quint16>(static_cast<quint16>(h), bytes.data() + frame + 5);
    qToBigEndian<quint16>(static_cast<quint16>(w), bytes.data() + frame + 7);
    return bytes;
  }
  if (type == "tiff") return SetTiffSize(bytes, w, h) ? bytes : QByteArray();
  return {};
}

}  // namespace tolva::testing
