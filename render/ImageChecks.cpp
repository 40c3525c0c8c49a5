#include "render/ImageChecks.h"

#include <cstdint>

namespace tolva {

namespace {

class Bytes {
 public:
  explicit Bytes(const QByteArray& data) : data_(data) {}
  qint64 Size() const { return data_.size(); }
  bool Has(qint64 pos, qint64 count) const { return pos >= 0 && count >= 0 && pos + count <= Size(); }
  std::uint8_t At(qint64 pos) const { return static_cast<std::uint8_t>(data_[pos]); }
  std::uint32_t Be16(qint64 pos) const { return (At(pos) << 8) | At(pos + 1); }
  std::uint32_t Be32(qint64 pos) const { return (Be16(pos) << 16) | Be16(pos + 2); }
  std::uint32_t Le16(qint64 pos) const { return At(pos) | (At(pos + 1) << 8); }
  std::uint32_t Le32(qint64 pos) const { return Le16(pos) | (Le16(pos + 2) << 16); }

 private:
  const QByteArray& data_;
};

// Walks the marker segments and the entropy-coded scans to the end-of-image
// marker. Segments before the first scan are skipped by their length, so a
// thumbnail inside an APP segment does not count as the end.
bool JpegComplete(const Bytes& b) {
  if (!b.Has(0, 2) || b.At(0) != 0xFF || b.At(1) != 0xD8) return false;
  qint64 pos = 2;
  while (true) {
    while (b.Has(pos, 1) && b.At(pos) != 0xFF) ++pos;  // tolerate stray bytes
    while (b.Has(pos + 1, 1) && b.At(pos + 1) == 0xFF) ++pos;  // fill bytes
    if (!b.Has(pos, 2)) return false;
    const std::uint8_t marker = b.At(pos + 1);
    if (marker == 0xD9) return true;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      pos += 2;
      continue;
    }
    if (!b.Has(pos + 2, 2)) return false;
    const qint64 length = b.Be16(pos + 2);
    if (length < 2 || !b.Has(pos + 2, length)) return false;
    pos += 2 + length;
    if (marker != 0xDA) continue;
    // Entropy-coded data: runs to the next marker that is neither a stuffed
    // zero nor a restart marker.
    while (true) {
      if (!b.Has(pos, 2)) return false;
      if (b.At(pos) == 0xFF) {
        const std::uint8_t next = b.At(pos + 1);
        if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) break;
      }
      ++pos;
    }
  }
}

bool PngComplete(const Bytes& b) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (!b.Has(0, 8)) return false;
  for (int i = 0; i < 8; ++i)
    if (b.At(i) != kSignature[i]) return false;
  qint64 pos = 8;
  while (b.Has(pos, 12)) {
    const qint64 length = b.Be32(pos);
    const std::uint32_t type = b.Be32(pos + 4);
    if (!b.Has(pos, 12 + length)) return false;
    if (type == 0x49454E44u) return true;  // "IEND"
    pos += 12 + length;
  }
  return false;
}

// Skips a chain of GIF sub-blocks; answers the position after its terminator.
qint64 SkipGifSubBlocks(const Bytes& b, qint64 pos) {
  while (b.Has(pos, 1)) {
    const int size = b.At(pos);
    if (size == 0) return pos + 1;
    pos += 1 + size;
  }
  return -1;
}

bool GifComplete(const Bytes& b) {
  if (!b.Has(0, 13)) return false;
  qint64 pos = 13;
  const std::uint8_t screenFlags = b.At(10);
  if (screenFlags & 0x80) pos += 3LL << ((screenFlags & 7) + 1);
  while (b.Has(pos, 1)) {
    const std::uint8_t block = b.At(pos);
    if (block == 0x3B) return true;
    if (block == 0x21) {
      if (!b.Has(pos, 2)) return false;
      pos = SkipGifSubBlocks(b, pos + 2);
    } else if (block == 0x2C) {
      if (!b.Has(pos, 10)) return false;
      const std::uint8_t imageFlags = b.At(pos + 9);
      pos += 10;
      if (imageFlags & 0x80) pos += 3LL << ((imageFlags & 7) + 1);
      pos = SkipGifSubBlocks(b, pos + 1);  // after the LZW code size
    } else {
      return false;
    }
    if (pos < 0) return false;
  }
  return false;
}

// The pixel rows of an uncompressed bitmap must all be there; a compressed one
// must hold as many bytes as its header says.
bool BmpComplete(const Bytes& b) {
  if (!b.Has(0, 26) || b.At(0) != 'B' || b.At(1) != 'M') return false;
  const qint64 offset = b.Le32(10);
  const qint64 headerSize = b.Le32(14);
  qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
  if (headerSize == 12) {
    width = b.Le16(18);
    height = b.Le16(20);
    bits = b.Le16(24);
  } else {
    if (!b.Has(0, 38)) return false;
    width = static_cast<std::int32_t>(b.Le32(18));
    height = static_cast<std::int32_t>(b.Le32(22));
    bits = b.Le16(28);
    compression = b.Le32(30);
    imageSize = b.Le32(34);
  }
  if (height < 0) height = -height;
  // Beyond these no file of the size limits could hold the rows anyway.
  if (width <= 0 || width > (1 << 20) || height == 0 || height > (1 << 20) || bits <= 0 ||
      bits > 64)
    return false;
  qint64 needed = 0;
  if (compression == 0 || compression == 3 || compression == 6) {
    needed = ((width * bits + 31) / 32) * 4 * height;
  } else {
    needed = imageSize;
  }
  return b.Has(offset, needed);
}

}  // namespace

bool LooksComplete(const QByteArray& data, const QByteArray& format) {
  const Bytes bytes(data);
  if (format == "jpeg" || format == "jpg") return JpegComplete(bytes);
  if (format == "png") return PngComplete(bytes);
  if (format == "gif") return GifComplete(bytes);
  if (format == "bmp") return BmpComplete(bytes);
  return true;
}

}  // namespace tolva
