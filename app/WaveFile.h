// WAV clips read from their bytes: the PCM format and the samples, which the
// game hands to the sound server itself (WavePlayer.h), and the length, which
// "play to its end" waits.
#pragma once

#include <QByteArray>
#include <optional>

namespace tolva {

struct WavePcm {
  int format = 0;  // the format chunk's tag: 1 for integer PCM
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int byteRate = 0;
  QByteArray samples;  // the data chunk, bounded by the file's end
  // Milliseconds of sound, rounded up.
  int DurationMs() const;
};

// The clip in a RIFF/WAVE file; nothing when the bytes are not a WAV file
// with a format chunk, a byte rate and a data chunk.
std::optional<WavePcm> ReadWave(const QByteArray& bytes);

// Milliseconds of PCM audio in a RIFF/WAVE file (rounded up); nothing when
// the bytes are not a WAV file with a format and a data chunk.
std::optional<int> WaveDurationMs(const QByteArray& bytes);

}  // namespace tolva
