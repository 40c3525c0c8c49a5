// The language the map is drawn in. Japanese draws the names and words as the
// data and the code hold them; English looks each one up in the translation
// files (res/i18n: the cities' names in names_en.ts, context CityNames, every
// other word in pictures_en.ts, context PictureWords) and refuses a word
// without a translation rather than draw it in Japanese.
#pragma once

#include <QFont>
#include <QString>

#include "MapData.h"
#include "tools/tswords/TsWords.h"

namespace tolva::mapgen {

class MapWords {
 public:
  // The Japanese map: every word as it stands.
  MapWords() = default;
  // The English map, from the translation files in `i18nDir`; throws
  // std::runtime_error when a file cannot be read.
  static MapWords English(const QString& i18nDir);

  bool IsEnglish() const { return english_; }

  // A word of the map's decoration; a city's name. Both throw
  // std::runtime_error for an English word that has no translation.
  QString Word(const QString& japanese) const;
  QString CityName(const QString& japanese) const;

  // The names of the lands, seas and islands, and of the cities, put in this
  // language.
  void Translate(Features& features) const;
  void Translate(Route& route) const;

 private:
  bool english_ = false;
  tswords::TsWords words_;
  tswords::TsWords cities_;
};

// Whether `text` is written in Latin letters (no Japanese sign in it).
bool IsLatin(const QString& text);

// The map's Mincho for `text`: for Latin letters its proportional cut, since
// the fixed one sets them as on a typewriter.
QString MinchoFor(const QString& text);

// `font` made smaller, if need be, until `text` is no wider than `width`.
QFont ShrunkToFit(QFont font, const QString& text, double width);

}  // namespace tolva::mapgen
