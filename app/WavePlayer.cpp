#include "app/WavePlayer.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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

}  // namespace

std::span<const int> WavePlayer::WaveIds() { return kWaveIds; }

QString WavePlayer::ResourcePath(int waveId) { return QStringLiteral(":/waves/%1.wav").arg(waveId); }

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {
  // Without an audio device the clips keep their lengths and play in silence.
  const bool audible = !QMediaDevices::audioOutputs().isEmpty();
  for (const int id : kWaveIds) {
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const std::optional<int> duration = WaveDurationMs(file.readAll());
    if (!duration) continue;
    Clip clip;
    clip.durationMs = *duration;
    if (audible) {
      clip.effect = new QSoundEffect(this);
      clip.effect->setSource(QUrl(QStringLiteral("qrc") + ResourcePath(id)));
    }
    clips_[id] = clip;
  }
}

WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(int waveId) {
  const auto clip = clips_.find(waveId);
  if (clip == clips_.end()) return;
  if (playing_ != nullptr) playing_->stop();
  playing_ = clip->second.effect;
  if (playing_ != nullptr) playing_->play();
}

int WavePlayer::DurationMs(int waveId) const {
  const auto clip = clips_.find(waveId);
  return clip == clips_.end() ? 0 : clip->second.durationMs;
}

bool WavePlayer::Has(int waveId) const { return clips_.contains(waveId); }

}  // namespace tolva
