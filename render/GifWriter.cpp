#include "render/GifWriter.h"

#include <QByteArray>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tolva {

namespace {

void PutLe16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first and cuts them into
// the sub-blocks of at most 255 bytes that GIF stores its data in.
class CodePacker {
 public:
  explicit CodePacker(QByteArray& out) : out_(out) {}

  void Put(int code, int width) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      PutByte(static_cast<std::uint8_t>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }

  void Finish() {
    if (count_ > 0) PutByte(static_cast<std::uint8_t>(bits_ & 0xFF));
    bits_ = 0;
    count_ = 0;
    FlushBlock();
    out_.append('\0');  // block terminator
  }

 private:
  void PutByte(std::uint8_t byte) {
    block_.append(static_cast<char>(byte));
    if (block_.size() == 255) FlushBlock();
  }
  void FlushBlock() {
    if (block_.isEmpty()) return;
    out_.append(static_cast<char>(block_.size()));
    out_.append(block_);
    block_.clear();
  }

  QByteArray& out_;
  QByteArray block_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

// Classic LZW with a clear code whenever the 12-bit table is full.
void EncodeLzw(QByteArray& out, const std::vector<std::uint8_t>& pixels, int minCodeSize) {
  const int clearCode = 1 << minCodeSize;
  const int endCode = clearCode + 1;
  std::unordered_map<std::uint32_t, int> table;
  table.reserve(4096);
  int nextCode = endCode + 1;
  int codeSize = minCodeSize + 1;

  CodePacker packer(out);
  packer.Put(clearCode, codeSize);
  int prefix = pixels.empty() ? -1 : pixels[0];
  for (size_t i = 1; i < pixels.size(); ++i) {
    const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8) | pixels[i];
    const auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    packer.Put(prefix, codeSize);
    if (nextCode < 4096) {
      table.emplace(key, nextCode++);
      // The decoder adds its entries one code later, so it widens its codes
      // when the encoder's table has grown one past the current width.
      if (nextCode > (1 << codeSize) && codeSize < 12) ++codeSize;
    } else {
      packer.Put(clearCode, codeSize);
      table.clear();
      nextCode = endCode + 1;
      codeSize = minCodeSize + 1;
    }
    prefix = pixels[i];
  }
  if (prefix >= 0) packer.Put(prefix, codeSize);
  packer.Put(endCode, codeSize);
  packer.Finish();
}

}  // namespace

bool WriteGif(QIODevice& device, const QImage& picture) {
  if (picture.isNull() || picture.width() > 0xFFFF || picture.height() > 0xFFFF) return false;
  // Qt keeps the exact colours of a picture of up to 256 and dithers the rest.
  const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
  if (indexed.isNull()) return false;
  QVector<QRgb> palette = indexed.colorTable();
  if (palette.isEmpty()) palette.append(qRgb(0, 0, 0));
  int tableBits = 1;
  while ((1 << tableBits) < palette.size()) ++tableBits;
  const int w = indexed.width();
  const int h = indexed.height();

  QByteArray out("GIF89a");
  PutLe16(out, w);
  PutLe16(out, h);
  out.append(static_cast<char>(0x80 | (7 << 4) | (tableBits - 1)));  // global table, 8-bit colour
  out.append('\0');                                                  // background colour index
  out.append('\0');                                                  // square pixels
  for (int i = 0; i < (1 << tableBits); ++i) {
    const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
    out.append(static_cast<char>(qRed(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qBlue(c)));
  }
  out.append(',');  // image descriptor
  PutLe16(out, 0);
  PutLe16(out, 0);
  PutLe16(out, w);
  PutLe16(out, h);
  out.append('\0');

  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uchar* line = indexed.constScanLine(y);
    pixels.insert(pixels.end(), line, line + w);
  }
  const int minCodeSize = tableBits < 2 ? 2 : tableBits;
  out.append(static_cast<char>(minCodeSize));
  EncodeLzw(out, pixels, minCodeSize);
  out.append(';');  // trailer
  return device.write(out) == out.size();
}

}  // namespace tolva
