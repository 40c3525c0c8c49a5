#include "app/WaveFile.h"

#include <QtEndian>
#include <cstdint>

namespace tolva {

namespace {

std::uint32_t Le32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

}  // namespace

std::optional<int> WaveDurationMs(const QByteArray& bytes) {
  constexpr qsizetype kRiffHeader = 12;
  constexpr qsizetype kChunkHeader = 8;
  if (bytes.size() < kRiffHeader || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return std::nullopt;

  std::uint32_t byteRate = 0;
  std::optional<std::uint32_t> dataBytes;
  qsizetype at = kRiffHeader;
  while (at + kChunkHeader <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const std::uint32_t size = Le32(bytes, at + 4);
    const qsizetype body = at + kChunkHeader;
    if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) byteRate = Le32(bytes, body + 8);
    if (id == "data") {
      // A writer that streamed the clip may leave the size open; the file's end
      // then bounds it.
      const qsizetype available = bytes.size() - body;
      dataBytes = static_cast<std::uint32_t>(std::min<qsizetype>(size, available));
      break;
    }
    // Chunks are padded to an even length.
    at = body + static_cast<qsizetype>(size) + (size & 1u);
  }
  if (byteRate == 0 || !dataBytes) return std::nullopt;
  const std::uint64_t ms = (std::uint64_t{*dataBytes} * 1000 + byteRate - 1) / byteRate;
  return static_cast<int>(std::min<std::uint64_t>(ms, 600'000));
}

}  // namespace tolva
