#include "MapWords.h"

#include <QFontMetricsF>
#include <algorithm>
#include <stdexcept>

namespace tolva::mapgen {

namespace {

QString Lookup(const tswords::TsWords& words, const QString& japanese, const char* what) {
  if (!words.Has(japanese))
    throw std::runtime_error(QStringLiteral("no English for the %1 \"%2\"").arg(QLatin1String(what), japanese).toStdString());
  return words.Of(japanese);
}

tswords::TsWords ReadOrThrow(const QString& file, const QString& context) {
  tswords::TsWords words = tswords::TsWords::Read(file, context);
  if (!words.Ok()) throw std::runtime_error(words.Error().toStdString());
  return words;
}

}  // namespace

MapWords MapWords::English(const QString& i18nDir) {
  MapWords words;
  words.english_ = true;
  words.words_ = ReadOrThrow(i18nDir + QStringLiteral("/pictures_en.ts"), QStringLiteral("PictureWords"));
  words.cities_ = ReadOrThrow(i18nDir + QStringLiteral("/names_en.ts"), QStringLiteral("CityNames"));
  return words;
}

QString MapWords::Word(const QString& japanese) const {
  return english_ ? Lookup(words_, japanese, "map's word") : japanese;
}

QString MapWords::CityName(const QString& japanese) const {
  return english_ ? Lookup(cities_, japanese, "city") : japanese;
}

void MapWords::Translate(Features& features) const {
  for (QVector<Label>* labels : {&features.seas, &features.regions, &features.islands}) {
    for (Label& label : *labels) label.text = Word(label.text);
  }
}

void MapWords::Translate(Route& route) const {
  route.start.name = CityName(route.start.name);
  for (City& city : route.cities) city.name = CityName(city.name);
}

bool IsLatin(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x2E80; });
}

QString MinchoFor(const QString& text) {
  return IsLatin(text) ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
}

QFont ShrunkToFit(QFont font, const QString& text, double width) {
  while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

}  // namespace tolva::mapgen
