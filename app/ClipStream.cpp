#include "app/ClipStream.h"

#include <QMutexLocker>
#include <algorithm>
#include <cstring>
#include <limits>

namespace tolva {

ClipStream::ClipStream(QObject* parent) : QIODevice(parent) {
  // Unbuffered: a buffered device reads 16 KB ahead (186 ms of the clips), and
  // a new clip would wait behind that much of the old one.
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void ClipStream::Start(const QByteArray& samples) {
  const QMutexLocker locked(&lock_);
  clip_ = samples;  // shared, not copied
  position_ = 0;
}

bool ClipStream::Playing() const {
  const QMutexLocker locked(&lock_);
  return position_ < clip_.size();
}

qint64 ClipStream::bytesAvailable() const {
  // Silence never ends.
  return std::numeric_limits<int>::max() + QIODevice::bytesAvailable();
}

qint64 ClipStream::readData(char* data, qint64 maxSize) {
  if (maxSize <= 0) return 0;
  qint64 fromClip = 0;
  {
    const QMutexLocker locked(&lock_);
    fromClip = std::clamp<qint64>(clip_.size() - position_, 0, maxSize);
    if (fromClip > 0) {
      std::memcpy(data, clip_.constData() + position_, static_cast<size_t>(fromClip));
      position_ += fromClip;
    }
  }
  // Zero is silence for signed samples.
  std::memset(data + fromClip, 0, static_cast<size_t>(maxSize - fromClip));
  return maxSize;
}

qint64 ClipStream::writeData(const char*, qint64) { return -1; }

}  // namespace tolva
