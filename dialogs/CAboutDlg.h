// CAboutDlg: the about box. The application icon, the product name with its
// subtitle and notice, and the version history (newest release first) in a
// read-only scrolling box.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tolva {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  QPlainTextEdit* HistoryBox() const { return history_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  QPlainTextEdit* history_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace tolva
