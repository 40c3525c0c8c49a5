#include "dialogs/PlainMnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tolva {

namespace {

// A focus widget that takes typed letters keeps them.
bool TakesTypedLetters(const QWidget* widget) {
  if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return !line->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return !plain->isReadOnly();
  if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) return !rich->isReadOnly();
  return false;
}

}  // namespace

PlainMnemonics::PlainMnemonics(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

void PlainMnemonics::Install(QDialog& dialog) {
  auto* filter = new PlainMnemonics(dialog);
  // The key goes to the focus widget first, which may be any child.
  qApp->installEventFilter(filter);
}

bool PlainMnemonics::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != &dialog_ || !dialog_.isActiveWindow()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & ~Qt::KeypadModifier) return false;
  if (TakesTypedLetters(QApplication::focusWidget())) return false;
  const QString typed = key->text().toUpper();
  if (typed.size() != 1 || !typed[0].isLetterOrNumber()) return false;

  const QKeySequence wanted = QKeySequence::mnemonic(QStringLiteral("&") + typed);
  for (QAbstractButton* button : dialog_.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || !button->isEnabled()) continue;
    if (QKeySequence::mnemonic(button->text()) != wanted) continue;
    button->setFocus(Qt::ShortcutFocusReason);
    button->animateClick();
    return true;
  }
  return false;
}

}  // namespace tolva
