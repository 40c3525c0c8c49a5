#include "app/MessageBox.h"

#include <QString>

#include "app/MessageLog.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::string_view prefix, int number,
                                            MessageStyle style) {
  const std::string_view body = number == 0 ? std::string_view{} : StringText(number);
  if (number != 0 && body.empty()) return nullptr;

  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(FromUtf8(StringText(kStrAppTitle)));
  // Texts are the game's own and a settlement may hold "<"; never rich text.
  box->setTextFormat(Qt::PlainText);
  box->setText(FromUtf8(prefix) + FromUtf8(body));
  switch (style) {
    case MessageStyle::Error:
      box->setIcon(QMessageBox::Critical);
      box->setStandardButtons(QMessageBox::Ok);
      box->setDefaultButton(QMessageBox::Ok);
      break;
    case MessageStyle::Information:
      box->setIcon(QMessageBox::Information);
      box->setStandardButtons(QMessageBox::Ok);
      box->setDefaultButton(QMessageBox::Ok);
      break;
    case MessageStyle::YesNo:
      box->setIcon(QMessageBox::Question);
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::No);
      break;
    case MessageStyle::YesNoCancel:
      box->setIcon(QMessageBox::Question);
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::Cancel);
      break;
  }
  return box;
}

Answer AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::None;
  }
}

Answer ShowMessage(QWidget* parent, std::string_view prefix, int number, MessageStyle style) {
  const std::unique_ptr<QMessageBox> box = MakeMessageBox(parent, prefix, number, style);
  if (!box) return Answer::None;
  LogShownMessage(*box);
  box->exec();
  return AnswerOf(box->standardButton(box->clickedButton()));
}

}  // namespace tolva
