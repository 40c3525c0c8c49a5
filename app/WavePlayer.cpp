#include "app/WavePlayer.h"

#include <QFile>
#include <QMediaDevices>

#include "app/AudioStream.h"
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
// idle game keeps neither the device nor the processor awake.
constexpr int kQuietHoldMs = 3000;

QAudioFormat FormatOf(const WavePcm& wave) {
  QAudioFormat format;
  // 16-bit integer PCM only: the stream's silence is zero.
  if (wave.format != 1 || wave.bitsPerSample != 16) return format;
  format.setSampleRate(wave.sampleRate);
  format.setChannelCount(wave.channels);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

}  // namespace

std::span<const int> WavePlayer::WaveIds() { return kWaveIds; }

QString WavePlayer::ResourcePath(int waveId) { return QStringLiteral(":/waves/%1.wav").arg(waveId); }

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) { LoadClips(); }

WavePlayer::~WavePlayer() = default;

void WavePlayer::LoadClips() {
  for (const int id : kWaveIds) {
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const std::optional<WavePcm> wave = ReadWave(file.readAll());
    if (!wave) continue;
    // The stream takes the format of the clips (the generator writes them all
    // alike); a clip in another one plays in silence.
    const QAudioFormat format = FormatOf(*wave);
    if (!format_.isValid()) format_ = format;
    clips_[id] = {format.isValid() && format == format_ ? wave->samples : QByteArray(),
                  wave->DurationMs()};
  }
}

void WavePlayer::UseDefaultOutput() {
  if (devices_ != nullptr || !format_.isValid()) return;
  audio_ = std::make_unique<AudioStream>(clipStream_, [this] { device_ = QAudioDevice(); });
  devices_ = std::make_unique<QMediaDevices>();
  connect(devices_.get(), &QMediaDevices::audioOutputsChanged, this,
          &WavePlayer::FollowDefaultOutput);
  FollowDefaultOutput();
}

void WavePlayer::FollowDefaultOutput() {
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output == device_) return;
  device_ = output;
  audio_->Open(output, format_);
}

int WavePlayer::Play(int waveId) {
  const auto clip = clips_.find(waveId);
  if (clip == clips_.end()) return 0;
  clipStream_.Start(clip->second.samples);
  if (!Audible()) return clip->second.durationMs;
  const int heardInMs = clip->second.durationMs + audio_->LatencyMs();
  audio_->Wake(heardInMs + kQuietHoldMs);
  return heardInMs;
}

int WavePlayer::DurationMs(int waveId) const {
  const auto clip = clips_.find(waveId);
  return clip == clips_.end() ? 0 : clip->second.durationMs;
}

bool WavePlayer::Has(int waveId) const { return clips_.contains(waveId); }

}  // namespace tolva
