#include "app/ChronicleMessages.h"

#include "app/MessageBox.h"
#include "app/MessageLog.h"
#include "dialogs/QtText.h"
#include "res/ChronicleTexts.h"

namespace tolva {

namespace text = chronicle_text;

ChronicleMessage MessageFor(ChronicleProblem problem, const QString& file) {
  switch (problem) {
    case ChronicleProblem::None: break;
    case ChronicleProblem::SetAside:
      return {Tr(text_context::kChronicle, text::kSetAsideMessage).arg(file), MessageStyle::Information};
    case ChronicleProblem::Locked: return {Tr(text_context::kChronicle, text::kLockedMessage), MessageStyle::Error};
    case ChronicleProblem::DiskFull: return {Tr(text_context::kChronicle, text::kDiskFullMessage), MessageStyle::Error};
    case ChronicleProblem::ReadOnly:
      return {Tr(text_context::kChronicle, text::kReadOnlyMessage).arg(file), MessageStyle::Error};
    case ChronicleProblem::Unavailable:
      return {Tr(text_context::kChronicle, text::kUnavailableMessage).arg(file), MessageStyle::Error};
    case ChronicleProblem::Newer:
      return {Tr(text_context::kChronicle, text::kNewerMessage).arg(file), MessageStyle::Information};
  }
  return {};
}

void ShowChronicleMessage(QWidget* parent, ChronicleProblem problem, const QString& file) {
  const ChronicleMessage message = MessageFor(problem, file);
  if (message.text.isEmpty()) return;
  const QByteArray utf8 = message.text.toUtf8();
  QMessageBox* box = MakeMessageBox(parent, std::string_view(utf8.constData(), utf8.size()), 0,
                                    message.style).release();
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  LogShownMessage(*box);
  box->show();
}

}  // namespace tolva
