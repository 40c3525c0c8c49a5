// The game's sound cues: the WAV clips of the program's resources
// (":/waves/<id>.wav"), loaded once at start-up and played through one audio
// stream on the system's default output (PulseOutput.h). A clip cuts off the
// one before it. Without a sound server the clips play in silence: nothing
// fails and the waits keep their length.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>
#include <span>

namespace tolva {

class PulseOutput;

class WavePlayer : public QObject {
 public:
  explicit WavePlayer(QObject* parent = nullptr);
  ~WavePlayer() override;

  // Opens the stream on the system's default output; until then the clips
  // play in silence. The game's window calls it as it starts, so the stream
  // is ready by the first clip.
  void UseDefaultOutput();

  // Starts the clip, cutting off the one before. Returns the milliseconds
  // until it has been heard to its end: its length, and the output's latency
  // while a sound server plays it. An unknown id plays nothing and returns 0.
  int Play(int waveId);
  // The clip's length, 0 for an unknown id.
  int DurationMs(int waveId) const;
  bool Has(int waveId) const;
  // The last clip started reached a sound server (false: it played in silence).
  bool Audible() const { return audible_; }

  static QString ResourcePath(int waveId);
  // Every cue the game plays.
  static std::span<const int> WaveIds();

 private:
  struct Clip {
    QByteArray samples;  // empty for a clip in another format than the others
    int durationMs = 0;
  };
  void LoadClips();

  std::map<int, Clip> clips_;
  int sampleRate_ = 0;
  int channels_ = 0;
  std::unique_ptr<PulseOutput> output_;
  QTimer quiet_;  // holds the stream a while after the last clip
  bool audible_ = false;
};

}  // namespace tolva
