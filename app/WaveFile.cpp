#include "app/WaveFile.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace tolva {

namespace {

constexpr std::uint64_t kLongestClipMs = 600'000;

std::uint32_t Le32(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}
std::uint16_t Le16(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

}  // namespace

int WavePcm::DurationMs() const {
  if (byteRate <= 0) return 0;
  const std::uint64_t rate = static_cast<std::uint64_t>(byteRate);
  const std::uint64_t ms = (static_cast<std::uint64_t>(samples.size()) * 1000 + rate - 1) / rate;
  return static_cast<int>(std::min(ms, kLongestClipMs));
}

std::optional<WavePcm> ReadWave(const QByteArray& bytes) {
  constexpr qsizetype kRiffHeader = 12;
  constexpr qsizetype kChunkHeader = 8;
  constexpr std::uint32_t kFormatChunkSize = 16;
  if (bytes.size() < kRiffHeader || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return std::nullopt;

  WavePcm wave;
  bool hasData = false;
  qsizetype at = kRiffHeader;
  while (at + kChunkHeader <= bytes.size()) {
    const QByteArray id = bytes.mid(at, 4);
    const std::uint32_t size = Le32(bytes, at + 4);
    const qsizetype body = at + kChunkHeader;
    if (id == "fmt " && size >= kFormatChunkSize && body + kFormatChunkSize <= bytes.size()) {
      wave.format = Le16(bytes, body);
      wave.channels = Le16(bytes, body + 2);
      wave.sampleRate = static_cast<int>(std::min<std::uint32_t>(Le32(bytes, body + 4), INT32_MAX));
      wave.byteRate = static_cast<int>(std::min<std::uint32_t>(Le32(bytes, body + 8), INT32_MAX));
      wave.bitsPerSample = Le16(bytes, body + 14);
    }
    if (id == "data") {
      // A writer that streamed the clip may leave the size open; the file's end
      // then bounds it.
      wave.samples = bytes.mid(body, std::min<qsizetype>(size, bytes.size() - body));
      hasData = true;
      break;
    }
    // Chunks are padded to an even length.
    at = body + static_cast<qsizetype>(size) + (size & 1u);
  }
  if (wave.byteRate == 0 || !hasData) return std::nullopt;
  return wave;
}

std::optional<int> WaveDurationMs(const QByteArray& bytes) {
  const std::optional<WavePcm> wave = ReadWave(bytes);
  if (!wave) return std::nullopt;
  return wave->DurationMs();
}

}  // namespace tolva
