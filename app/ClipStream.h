// The sound the audio device pulls while the game runs: the clip now playing,
// then silence. Starting a clip cuts off the one before at once; the device
// never runs dry, so it never has to start up again for the next clip.
//
// The game starts clips on its own thread while the device reads on the audio
// thread (AudioStream.h); the two meet under a lock held for a copy at most.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QMutex>

namespace tolva {

class ClipStream : public QIODevice {
 public:
  explicit ClipStream(QObject* parent = nullptr);

  // From now on the device reads `samples` (16-bit PCM in the stream's
  // format) from their start; whatever was playing is cut off.
  void Start(const QByteArray& samples);
  // Samples of the clip are left to read.
  bool Playing() const;

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 maxSize) override;

 private:
  mutable QMutex lock_;
  QByteArray clip_;
  qsizetype position_ = 0;
};

}  // namespace tolva
