#include "tools/wavegen/WavWriter.h"

#include <fstream>

namespace tolva::wavegen {

namespace {

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples, int sampleRate) {
  constexpr int kChannels = 1;
  constexpr int kBitsPerSample = 16;
  constexpr int kBlockAlign = kChannels * kBitsPerSample / 8;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutLe(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe(out, 16, 4);  // size of the PCM format chunk
  PutLe(out, 1, 2);   // PCM
  PutLe(out, kChannels, 2);
  PutLe(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLe(out, static_cast<std::uint32_t>(sampleRate * kBlockAlign), 4);
  PutLe(out, kBlockAlign, 2);
  PutLe(out, kBitsPerSample, 2);
  PutTag(out, "data");
  PutLe(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

bool WriteWav(const std::filesystem::path& file, std::span<const std::int16_t> samples,
              int sampleRate) {
  const std::vector<std::uint8_t> bytes = EncodeWav(samples, sampleRate);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  stream.close();
  return static_cast<bool>(stream);
}

}  // namespace tolva::wavegen
