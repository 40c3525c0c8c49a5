// The game's one audio stream, kept on a thread of its own: the device pulls
// the ClipStream in periods of 20 ms, and on the window's thread a busy
// moment (the pictures loaded at start-up, a table drawn anew, a dissolve)
// would leave it without sound for a moment and lose part of a clip.
//
// Everything here is asked for from the window's thread and done on the
// audio thread; the stream's latency is read back without waiting.
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

namespace tolva {

class ClipStream;

class AudioStream : public QObject {
 public:
  // `clips` is read on the audio thread and must outlive the stream.
  // `onFailure` is called on the window's thread when the sound server drops
  // the stream.
  AudioStream(ClipStream& clips, std::function<void()> onFailure);
  ~AudioStream() override;

  // Plays the clips on `device` from now on (a null device: nowhere).
  void Open(const QAudioDevice& device, const QAudioFormat& format);
  // A clip has started: the stream runs until `quietAfterMs` have passed
  // without another one, then it is held until the next.
  void Wake(int quietAfterMs);
  // What a new clip waits behind at most: the stream's buffer, in ms (0
  // while it is not open).
  int LatencyMs() const { return latencyMs_.load(); }

 private:
  class Worker;
  friend class Worker;
  QThread thread_;
  Worker* worker_ = nullptr;  // lives on thread_
  std::atomic<int> latencyMs_{0};
};

}  // namespace tolva
