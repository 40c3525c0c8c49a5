#include "app/PulseOutput.h"

#include <pulse/pulseaudio.h>

namespace tolva {

namespace {

// The latency asked of the server: what a new clip waits behind at most.
constexpr pa_usec_t kLatencyUs = 30'000;
// A server that was not there is looked for again at a clip, at most this often.
constexpr std::chrono::seconds kRetryEvery(3);

void Drop(pa_operation* operation) {
  if (operation != nullptr) pa_operation_unref(operation);
}

// Holds the main loop's lock for a scope.
class Locked {
 public:
  explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~Locked() { pa_threaded_mainloop_unlock(loop_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

}  // namespace

PulseOutput::PulseOutput(int sampleRate, int channels)
    : sampleRate_(sampleRate), channels_(channels) {
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr) return;
  pa_threaded_mainloop_set_name(loop_, "audio");
  if (pa_threaded_mainloop_start(loop_) < 0) {
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
    return;
  }
  const Locked locked(loop_);
  Connect();
}

PulseOutput::~PulseOutput() {
  if (loop_ == nullptr) return;
  {
    const Locked locked(loop_);
    Disconnect();
  }
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

void PulseOutput::Connect() {
  Disconnect();
  lastAttempt_ = std::chrono::steady_clock::now();
  pa_proplist* properties = pa_proplist_new();
  pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "TolvaGame");
  pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "io.github.tolvagame.TolvaGame");
  pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "tolvagame");
  context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, properties);
  pa_proplist_free(properties);
  if (context_ == nullptr) return;
  pa_context_set_state_callback(context_, &PulseOutput::OnContextState, this);
  // No server of its own: one is started by the desktop or not at all.
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) Disconnect();
}

void PulseOutput::Disconnect() {
  ready_ = false;
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
  }
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
}

void PulseOutput::OnContextState(pa_context* context, void* self) {
  auto& output = *static_cast<PulseOutput*>(self);
  if (pa_context_get_state(context) != PA_CONTEXT_READY || output.stream_ != nullptr) {
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) output.ready_ = false;
    return;
  }
  pa_sample_spec samples{};
  samples.format = PA_SAMPLE_S16LE;
  samples.rate = static_cast<uint32_t>(output.sampleRate_);
  samples.channels = static_cast<uint8_t>(output.channels_);
  pa_proplist* properties = pa_proplist_new();
  pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
  output.stream_ = pa_stream_new_with_proplist(context, "sound cues", &samples, nullptr, properties);
  pa_proplist_free(properties);
  if (output.stream_ == nullptr) return;
  pa_stream_set_state_callback(output.stream_, &PulseOutput::OnStreamState, self);
  pa_buffer_attr buffer{};
  buffer.maxlength = static_cast<uint32_t>(-1);
  buffer.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kLatencyUs, &samples));
  buffer.prebuf = 0;  // plays at once, and an empty queue is silence, not a stop
  buffer.minreq = static_cast<uint32_t>(-1);
  buffer.fragsize = static_cast<uint32_t>(-1);
  // The default output (no device named), so that the server moves the
  // stream along when the system's default changes.
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_INTERPOLATE_TIMING);
  if (pa_stream_connect_playback(output.stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
    pa_stream_unref(output.stream_);
    output.stream_ = nullptr;
  }
}

void PulseOutput::OnStreamState(pa_stream* stream, void* self) {
  auto& output = *static_cast<PulseOutput*>(self);
  output.ready_ = pa_stream_get_state(stream) == PA_STREAM_READY;
  if (output.ready_) output.resting_ = false;
}

std::optional<int> PulseOutput::Play(const QByteArray& samples) {
  if (loop_ == nullptr) return std::nullopt;
  const Locked locked(loop_);
  if (!ready_) {
    // Gone, or never there: looked for again now and then, and this clip is
    // not heard.
    const bool failed = context_ == nullptr ||
                        !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) ||
                        (stream_ != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)));
    if (failed && std::chrono::steady_clock::now() - lastAttempt_ >= kRetryEvery) Connect();
    return std::nullopt;
  }
  if (resting_) {
    Drop(pa_stream_cork(stream_, 0, nullptr, nullptr));
    resting_ = false;
  }
  // The server takes both in this order: the clip before stops where it is.
  Drop(pa_stream_flush(stream_, nullptr, nullptr));
  if (!samples.isEmpty() &&
      pa_stream_write(stream_, samples.constData(), static_cast<size_t>(samples.size()), nullptr,
                      0, PA_SEEK_RELATIVE) < 0)
    return std::nullopt;
  // What the output holds already plays before the clip.
  const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
  const pa_usec_t ahead = timing != nullptr ? timing->sink_usec : kLatencyUs;
  return static_cast<int>((ahead + 999) / 1000);
}

void PulseOutput::Rest() {
  if (loop_ == nullptr) return;
  const Locked locked(loop_);
  if (!ready_ || resting_) return;
  Drop(pa_stream_cork(stream_, 1, nullptr, nullptr));
  resting_ = true;
}

}  // namespace tolva
