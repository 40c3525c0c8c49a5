// The length of a WAV clip from its header. QSoundEffect plays a clip but does
// not say how long it lasts, and "play to its end" has to wait exactly that.
#pragma once

#include <QByteArray>
#include <optional>

namespace tolva {

// Milliseconds of PCM audio in a RIFF/WAVE file (rounded up); nothing when the
// bytes are not a WAV file with a format and a data chunk.
std::optional<int> WaveDurationMs(const QByteArray& bytes);

}  // namespace tolva
