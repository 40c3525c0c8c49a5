// The game's sound cues: the WAV clips of the program's resources
// (":/waves/<id>.wav"), loaded once at start-up and played with QSoundEffect.
// A clip cuts off the one before it. Without an audio device the clips play
// in silence: nothing fails and the waits keep their length.
#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <span>

class QSoundEffect;

namespace tolva {

class WavePlayer : public QObject {
 public:
  explicit WavePlayer(QObject* parent = nullptr);
  ~WavePlayer() override;

  // Starts the clip in the background; an unknown id plays nothing.
  void Play(int waveId);
  // The clip's length, 0 for an unknown id.
  int DurationMs(int waveId) const;
  bool Has(int waveId) const;

  static QString ResourcePath(int waveId);
  // Every cue the game plays.
  static std::span<const int> WaveIds();

 private:
  struct Clip {
    QSoundEffect* effect = nullptr;
    int durationMs = 0;
  };
  std::map<int, Clip> clips_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace tolva
