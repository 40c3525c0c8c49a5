// Writes 16-bit PCM mono clips as RIFF/WAVE files, the format the game's
// sound stream plays (app/WavePlayer.h) and every sound server takes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tolva::wavegen {

// The file's bytes: a 44-byte canonical header ("RIFF", "WAVE", "fmt ", "data")
// followed by the samples, little-endian.
std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples, int sampleRate);

// Writes the file; false when it cannot be written completely.
bool WriteWav(const std::filesystem::path& file, std::span<const std::int16_t> samples,
              int sampleRate);

}  // namespace tolva::wavegen
