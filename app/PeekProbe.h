// A look into the peek window for tests and screenshots. With the environment
// variable TOLVA_PEEK_REPORT naming a file, the peek instance writes into it,
// after each poll of the channel, what its window shows:
//
//   polls=3
//   title=プトレマイオス
//   client=333x215
//   frame=947,785,333,215      (x, y, width, height of the frame on screen)
//   hand=1,14,27,40,53,2,15,
//   cards=1 14 27 40 53 2 15
//
// and beside it, in the same name with ".png" added, the window's picture
// whenever the hand shown has changed. Each file is replaced whole, so a
// reader never sees half of one.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <span>

class QImage;
class QWidget;

namespace tolva {

inline constexpr char kPeekReportVariable[] = "TOLVA_PEEK_REPORT";

class PeekProbe {
 public:
  // The probe the environment asks for; none without the variable.
  static std::unique_ptr<PeekProbe> FromEnvironment();
  explicit PeekProbe(QString reportPath) : path_(std::move(reportPath)) {}

  // `picture` is asked for only when the hand text differs from the last report's.
  void Report(const QWidget& frame, QSize client, const QString& handText,
              std::span<const int> cards, const std::function<QImage()>& picture);

 private:
  QString path_;
  QString lastHand_;
  bool reported_ = false;
  int polls_ = 0;
};

}  // namespace tolva
