// Every message to the player: a text of the string table, optionally after a
// text built at run time, in a message box captioned with the application's
// title "TolvaGame". The style gives the icon and the buttons:
//
//   Error        critical icon, OK
//   Information  information icon, OK
//   YesNo        question icon, はい(Y) いいえ(N)
//   YesNoCancel  question icon, はい(Y) いいえ(N) キャンセル
//
// (the button texts come from Qt's own Japanese translation, see StartUp.h).
// The letters Y and N press their buttons; Enter presses the default button,
// the first one; Escape answers No (Yes/No) or Cancel.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string_view>

#include "rules/RulesHost.h"

class QWidget;

namespace tolva {

// The box for prefix + the text of `number` (0: the prefix alone), not yet
// shown; null when the number has no text.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::string_view prefix, int number,
                                            MessageStyle style);

// The answer for the button that closed a box.
Answer AnswerOf(QMessageBox::StandardButton button);

// Shows the box modally and returns the button pressed; Answer::None, with no
// box shown, when the number has no text.
Answer ShowMessage(QWidget* parent, std::string_view prefix, int number, MessageStyle style);

}  // namespace tolva
