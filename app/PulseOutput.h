// The game's one audio stream, on the PulseAudio client library (PipeWire's
// Pulse layer serves it the same way), opened on the default output for the
// whole run.
//
// Why not Qt Multimedia (6.4, whose audio on Linux is PulseAudio too): heard
// on a real sound server, QSoundEffect lost most clips that came soon after
// another one and cut off the tail of a clip played to its end. A QAudioSink
// has to be fed by the program as it plays, and on a busy machine its feeder
// thread came too late now and then, leaving a hole in the clip; and it offers
// no way to drop what is queued short of closing the stream. Here each clip
// goes to the sound server whole, at once: the server plays it whatever the
// program is doing, and a new clip first drops the rest of the one before
// (the server's flush), so it starts within the output's own latency.
//
// Connecting never waits: without a sound server the clips play in silence,
// and a server that comes later, or comes back, is found at the next clip.
#pragma once

#include <QByteArray>
#include <chrono>
#include <optional>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tolva {

class PulseOutput {
 public:
  // Clips in 16-bit signed PCM at this rate and channel count.
  PulseOutput(int sampleRate, int channels);
  ~PulseOutput();
  PulseOutput(const PulseOutput&) = delete;
  PulseOutput& operator=(const PulseOutput&) = delete;

  // Cuts off what is playing and plays the samples. Returns the milliseconds
  // until their first one is heard, or nothing when no sound server plays
  // them.
  std::optional<int> Play(const QByteArray& samples);
  // Nothing plays for a while: the stream is held, so that the server can let
  // the device sleep, until the next clip.
  void Rest();

 private:
  void Connect();  // with the main loop locked
  void Disconnect();
  static void OnContextState(pa_context* context, void* self);
  static void OnStreamState(pa_stream* stream, void* self);

  int sampleRate_;
  int channels_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  // Set on the main loop's thread, read under its lock.
  bool ready_ = false;
  bool resting_ = false;
  std::chrono::steady_clock::time_point lastAttempt_;
};

}  // namespace tolva
