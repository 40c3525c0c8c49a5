#pragma once

#include <QObject>

class QDialog;

namespace tolva {

// As on the desktop these dialogs come from, a button's underlined letter
// works on its own, without Alt, while the keyboard is not in a text field:
// "Y" takes 確認 (&Y), "C" 中止 (&C). Qt only knows Alt+letter.
class PlainMnemonics : public QObject {
 public:
  // Installs itself on the dialog, which owns it.
  static void Install(QDialog& dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit PlainMnemonics(QDialog& dialog);
  QDialog& dialog_;
};

}  // namespace tolva
