#include "app/WavePlayer.h"

#include <QFile>

#include "app/PulseOutput.h"
#include "app/WaveFile.h"
#include "res/ResourceIds.h"

namespace tolva {

namespace {

constexpr int kWaveIds[] = {
    kWaveDiscardLands, kWaveSeventy,   kWaveDrawnGame,    kWaveTsumo,      kWaveTolva,
    kWaveWinOnDiscard, kWaveComputerPon, kWaveWentOut,    kWaveCursorMove, kWaveMarkToggle,
    kWaveRouteFifth,   kWaveRouteTenth, kWaveReach,       kWaveComputerKan, kWaveRefused,
    kWaveKeyDraw,      kWaveComputerExposes, kWaveReachSecond,
};

// Nothing played for this long: the stream is held until the next clip, so an
// idle game keeps the device awake no longer.
constexpr int kQuietHoldMs = 3000;
constexpr int kPcmFormat = 1;
constexpr int kSampleBits = 16;

}  // namespace

std::span<const int> WavePlayer::WaveIds() { return kWaveIds; }

QString WavePlayer::ResourcePath(int waveId) { return QStringLiteral(":/waves/%1.wav").arg(waveId); }

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {
  LoadClips();
  quiet_.setSingleShot(true);
  connect(&quiet_, &QTimer::timeout, this, [this] {
    if (output_ != nullptr) output_->Rest();
  });
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::LoadClips() {
  for (const int id : kWaveIds) {
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const std::optional<WavePcm> wave = ReadWave(file.readAll());
    if (!wave) continue;
    // The stream takes the format of the clips (the generator writes them all
    // alike, 16-bit PCM); a clip in another one plays in silence.
    const bool playable = wave->format == kPcmFormat && wave->bitsPerSample == kSampleBits &&
                          wave->sampleRate > 0 && wave->channels > 0;
    if (playable && sampleRate_ == 0) {
      sampleRate_ = wave->sampleRate;
      channels_ = wave->channels;
    }
    const bool alike = playable && wave->sampleRate == sampleRate_ && wave->channels == channels_;
    clips_[id] = {alike ? wave->samples : QByteArray(), wave->DurationMs()};
  }
}

void WavePlayer::UseDefaultOutput() {
  if (output_ == nullptr && sampleRate_ > 0)
    output_ = std::make_unique<PulseOutput>(sampleRate_, channels_);
}

int WavePlayer::Play(int waveId) {
  const auto clip = clips_.find(waveId);
  if (clip == clips_.end()) return 0;
  const std::optional<int> delayMs =
      output_ != nullptr && !clip->second.samples.isEmpty() ? output_->Play(clip->second.samples)
                                                            : std::nullopt;
  audible_ = delayMs.has_value();
  const int heardInMs = clip->second.durationMs + delayMs.value_or(0);
  if (audible_) quiet_.start(heardInMs + kQuietHoldMs);
  return heardInMs;
}

int WavePlayer::DurationMs(int waveId) const {
  const auto clip = clips_.find(waveId);
  return clip == clips_.end() ? 0 : clip->second.durationMs;
}

bool WavePlayer::Has(int waveId) const { return clips_.contains(waveId); }

}  // namespace tolva
