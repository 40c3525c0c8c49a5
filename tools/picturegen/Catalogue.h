// Every picture the generator makes, with the file it goes to.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

#include "Words.h"

namespace tolva::picturegen {

struct Picture {
  QString path;     // below the assets folder, e.g. "pictures/146.png"
  QString caption;  // for the contact sheet
  QImage image;
};

// The embedded pictures and icons, in the order the contact sheet shows them,
// with the words of `words` (the Japanese ones unless told).
std::vector<Picture> EmbeddedPictures(const Words& words = JapaneseWords());

// The pictures the table draws, again at `density` (2 or 3) times their size
// ("pictures/<id>@<density>x.png"), for screens of more pixels. Of the joker
// strip 146 only its first card, the joker, which is all the table draws.
std::vector<Picture> DensePictures(int density, const Words& words = JapaneseWords());

// The pictures that carry words, at every density, drawn with the English
// words, under "en/" ("en/pictures/150.png", "en/icons/169.png" ...): the
// program takes these instead of the Japanese ones when it speaks English.
inline constexpr const char* kEnglishFolder = "en";
std::vector<Picture> EnglishPictures(const Words& english);

// Draws and writes everything, the English pictures with the words of the
// translation files in `i18nDir`; reports each failure on stderr.
bool WriteAll(const QString& assetDir, const QString& runtimeDir, const QString& i18nDir);

}  // namespace tolva::picturegen
