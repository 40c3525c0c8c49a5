// Reading the generated asset files in tests, without Qt: whole files,
// RIFF/WAVE clips parsed by hand, UTF-8 checked and measured in columns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolva::testing {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// A parsed WAVE file: the fields of its "fmt " chunk and its samples.
struct WaveClip {
  int formatTag = 0;  // 1 = PCM
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::int16_t> samples;  // filled for 16-bit PCM only
  double Seconds() const;
};

// Parses a RIFF/WAVE image; an error text for anything malformed (wrong
// magic, chunk sizes beyond the file, no "fmt " or "data" chunk).
struct WaveResult {
  std::optional<WaveClip> clip;
  std::string error;
};
WaveResult ParseWave(std::string_view bytes);

// True when the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// Width of a line on screen in half-width columns: East Asian wide and
// full-width characters count two, everything else one; -1 for malformed UTF-8.
int DisplayColumns(std::string_view text);

}  // namespace tolva::testing
