#include "app/PeekProbe.h"

#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QWidget>

namespace tolva {

std::unique_ptr<PeekProbe> PeekProbe::FromEnvironment() {
  const QString path = qEnvironmentVariable(kPeekReportVariable);
  if (path.isEmpty()) return nullptr;
  return std::make_unique<PeekProbe>(path);
}

void PeekProbe::Report(const QWidget& frame, QSize client, const QString& handText,
                       std::span<const int> cards, const std::function<QImage()>& picture) {
  ++polls_;
  if (!reported_ || handText != lastHand_) {
    const QImage shown = picture();
    QSaveFile file(path_ + QStringLiteral(".png"));
    if (file.open(QIODevice::WriteOnly) && shown.save(&file, "PNG")) file.commit();
  }
  reported_ = true;
  lastHand_ = handText;

  QStringList codes;
  for (const int code : cards) codes << QString::number(code);
  const QRect geometry = frame.frameGeometry();
  const auto number = [](int value) { return QString::number(value); };
  // Put together piece by piece: the title and the hand are not ours to trust.
  const QString text = QStringLiteral("polls=") + number(polls_) + QStringLiteral("\ntitle=") +
                       frame.windowTitle() + QStringLiteral("\nclient=") + number(client.width()) +
                       u'x' + number(client.height()) + QStringLiteral("\nframe=") +
                       number(geometry.x()) + u',' + number(geometry.y()) + u',' +
                       number(geometry.width()) + u',' + number(geometry.height()) +
                       QStringLiteral("\nhand=") + handText + QStringLiteral("\ncards=") +
                       codes.join(u' ') + u'\n';
  QSaveFile file(path_);
  if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0) file.commit();
}

}  // namespace tolva
