#include "app/AudioStream.h"

#include <QAudioSink>
#include <QTimer>
#include <memory>

#include "app/ClipStream.h"

namespace tolva {

namespace {

// The stream's buffer: long enough that the audio thread, waiting for its
// turn on a loaded machine, does not let it run dry, short enough that a cue
// comes with its moment.
constexpr qint64 kBufferUs = 60'000;

}  // namespace

// The sink and its idle timer, created, used and destroyed on the audio thread.
class AudioStream::Worker : public QObject {
 public:
  Worker(AudioStream& owner, ClipStream& clips, std::function<void()> onFailure)
      : owner_(owner), clips_(clips), onFailure_(std::move(onFailure)) {
    quiet_.setSingleShot(true);
    connect(&quiet_, &QTimer::timeout, this, [this] {
      if (sink_ != nullptr && !clips_.Playing()) sink_->suspend();
    });
  }
  ~Worker() override { Close(); }

  void Open(const QAudioDevice& device, const QAudioFormat& format) {
    Close();
    if (device.isNull()) return;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferUs));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state != QAudio::StoppedState || sink_ == nullptr || sink_->error() == QAudio::NoError)
        return;
      // The sound server went away or refused the stream.
      QTimer::singleShot(0, this, [this] { Close(); });
      QMetaObject::invokeMethod(&owner_, onFailure_, Qt::QueuedConnection);
    });
    sink_->start(&clips_);
    owner_.latencyMs_ = static_cast<int>(format.durationForBytes(sink_->bufferSize()) / 1000);
    if (!clips_.Playing()) sink_->suspend();
  }

  void Wake(int quietAfterMs) {
    if (sink_ == nullptr) return;
    if (sink_->state() == QAudio::SuspendedState) sink_->resume();
    quiet_.start(quietAfterMs);
  }

  void Close() {
    quiet_.stop();
    owner_.latencyMs_ = 0;
    if (sink_ == nullptr) return;
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
  }

 private:
  AudioStream& owner_;  // on the window's thread
  ClipStream& clips_;
  std::function<void()> onFailure_;
  std::unique_ptr<QAudioSink> sink_;
  QTimer quiet_;
};

AudioStream::AudioStream(ClipStream& clips, std::function<void()> onFailure) {
  worker_ = new Worker(*this, clips, std::move(onFailure));
  worker_->moveToThread(&thread_);
  // The worker closes its stream as it goes, on its own thread.
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.setObjectName(QStringLiteral("audio"));
  thread_.start();
}

AudioStream::~AudioStream() {
  thread_.quit();
  thread_.wait();
}

void AudioStream::Open(const QAudioDevice& device, const QAudioFormat& format) {
  // Waits for the stream to be set up, so that the latency is known and the
  // first clip finds it ready.
  QMetaObject::invokeMethod(worker_, [this, device, format] { worker_->Open(device, format); },
                            Qt::BlockingQueuedConnection);
}

void AudioStream::Wake(int quietAfterMs) {
  QMetaObject::invokeMethod(worker_, [this, quietAfterMs] { worker_->Wake(quietAfterMs); },
                            Qt::QueuedConnection);
}

}  // namespace tolva
