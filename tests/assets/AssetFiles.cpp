#include "tests/assets/AssetFiles.h"

#include <fstream>
#include <iterator>

namespace tolva::testing {

namespace {

std::uint32_t Le(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// Decodes one code point at text[at]; returns its length, 0 when malformed.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& out) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    out = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, out = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, out = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, out = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    out = (out << 6) | (byte(i) & 0x3F);
  }
  if (out < minimum || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) return 0;
  return length;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

double WaveClip::Seconds() const {
  return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0;
}

WaveResult ParseWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return {std::nullopt, "not a RIFF/WAVE file"};
  if (Le(bytes, 4, 4) + 8 != bytes.size()) return {std::nullopt, "RIFF size disagrees with the file"};
  WaveClip clip;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = Le(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) return {std::nullopt, "chunk runs past the end"};
    if (id == "fmt ") {
      if (size < 16) return {std::nullopt, "format chunk too short"};
      clip.formatTag = static_cast<int>(Le(bytes, body, 2));
      clip.channels = static_cast<int>(Le(bytes, body + 2, 2));
      clip.sampleRate = static_cast<int>(Le(bytes, body + 4, 4));
      clip.bitsPerSample = static_cast<int>(Le(bytes, body + 14, 2));
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return {std::nullopt, "data before format"};
      if (clip.formatTag == 1 && clip.bitsPerSample == 16) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
          clip.samples.push_back(static_cast<std::int16_t>(Le(bytes, body + i, 2)));
      }
      return {clip, ""};
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return {std::nullopt, "no data chunk"};
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    char32_t c = 0;
    const std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

int DisplayColumns(std::string_view text) {
  int columns = 0;
  for (std::size_t at = 0; at < text.size();) {
    char32_t c = 0;
    const std::size_t length = DecodeUtf8(text, at, c);
    if (length == 0) return -1;
    columns += IsWide(c) ? 2 : 1;
    at += length;
  }
  return columns;
}

}  // namespace tolva::testing
