// The game's sound cues: the WAV clips of the program's resources
// (":/waves/<id>.wav"), loaded once at start-up and played through one audio
// stream that stays open on the system's default output for the whole run
// (AudioStream.h). A clip cuts off the one before it.
//
// Why not QSoundEffect: in Qt 6.4 on PulseAudio (and PipeWire's Pulse layer)
// every QSoundEffect opens a stream of its own and starts it anew for each
// clip. Heard on a real sound server, most clips started close after another
// one were not heard at all, and a clip played to its end lost its tail to
// the next one (the Reach cue 159: 708 of its 820 ms). One stream, fed from a
// ClipStream with a short buffer, starts every clip within a few tens of
// milliseconds.
//
// The stream is opened on the system's default output; when the default
// changes (other speakers, a headset plugged in) the sound server moves it
// along, and when outputs come or go it is opened anew on the default. It is
// held (not closed) while nothing plays and dropped when the sound server goes
// away. Without an audio device the clips play in silence: nothing fails and
// the waits keep their length.
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <map>
#include <memory>
#include <span>

#include "app/ClipStream.h"

class QMediaDevices;

namespace tolva {

class AudioStream;

class WavePlayer : public QObject {
 public:
  explicit WavePlayer(QObject* parent = nullptr);
  ~WavePlayer() override;

  // Opens the stream on the system's default output and follows it from now
  // on; until then the clips play in silence. The game's window calls it as
  // it starts, so the first clip finds the stream ready.
  void UseDefaultOutput();

  // Starts the clip, cutting off the one before. Returns the milliseconds
  // until it has been heard to its end: its length, and the stream's latency
  // while a device plays it. An unknown id plays nothing and returns 0.
  int Play(int waveId);
  // The clip's length, 0 for an unknown id.
  int DurationMs(int waveId) const;
  bool Has(int waveId) const;
  // A device plays the clips (false: they play in silence).
  bool Audible() const { return !device_.isNull(); }
  // The device the clips go to (null when silent).
  QAudioDevice Device() const { return device_; }

  static QString ResourcePath(int waveId);
  // Every cue the game plays.
  static std::span<const int> WaveIds();

 private:
  struct Clip {
    QByteArray samples;  // empty for a clip in another format than the stream's
    int durationMs = 0;
  };
  void LoadClips();
  // Opens the stream on the system's default output, unless it is open there.
  void FollowDefaultOutput();

  std::map<int, Clip> clips_;
  QAudioFormat format_;
  QAudioDevice device_;
  ClipStream clipStream_;
  std::unique_ptr<AudioStream> audio_;      // before clipStream_ goes, it stops reading
  std::unique_ptr<QMediaDevices> devices_;  // watched once the output is used
};

}  // namespace tolva
