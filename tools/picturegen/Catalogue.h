// Every picture the generator makes, with the file it goes to.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tolva::picturegen {

struct Picture {
  QString path;     // below the assets folder, e.g. "pictures/146.png"
  QString caption;  // for the contact sheet
  QImage image;
};

// The embedded pictures and icons, in the order the contact sheet shows them.
std::vector<Picture> EmbeddedPictures();

// The pictures the table draws, again at `density` (2 or 3) times their size
// ("pictures/<id>@<density>x.png"), for screens of more pixels. Of the joker
// strip 146 only its first card, the joker, which is all the table draws.
std::vector<Picture> DensePictures(int density);

// Draws and writes everything; reports each failure on stderr.
bool WriteAll(const QString& assetDir, const QString& runtimeDir);

}  // namespace tolva::picturegen
