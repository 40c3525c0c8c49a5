// The words of one language that the pictures carry: the Japanese ones of
// Texts.h, or their English translations read from the translation files
// (res/i18n: the seats' names from names_en.ts, the rest from pictures_en.ts).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "res/ResourceIds.h"

namespace tolva::picturegen {

struct Words {
  QStringList seatNames;  // seat 0 .. 4
  QString tolvaSucceeded;
  QString tolvaFailed;
  QString seventy;
  QString wentOut;
  QString tsumo;
  QString drawnGame;
  QString ron;
  QString campaignComplete;
  QString reach;
  QString declaration;  // the sign on the declarations button

  // The caption of an end-of-game picture.
  const QString& Caption(ResultPicture scene) const;
};

Words JapaneseWords();

// The English words from the translation files in `i18nDir`; nothing, with
// the reason in `error`, when a file is unreadable or a word untranslated.
std::optional<Words> EnglishWords(const QString& i18nDir, QString* error);

}  // namespace tolva::picturegen
