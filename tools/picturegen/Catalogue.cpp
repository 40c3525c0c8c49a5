#include "Catalogue.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>
#include <optional>

#include "CardFaces.h"
#include "ContactSheet.h"
#include "DialogBitmaps.h"
#include "Icons.h"
#include "ResultPictures.h"
#include "SpecialCards.h"
#include "TableBitmaps.h"
#include "render/PictureSource.h"

namespace tolva::picturegen {

namespace {

const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// The pictures with words on them, by their file at any density: the button
// strip (its declarations sign), name plates, peek buttons, the end-of-game
// pictures and the Reach badges.
const QStringList kPicturesWithWords = {
    "pictures/140", "pictures/150", "pictures/166", "pictures/135", "pictures/144",
    "pictures/137", "pictures/145", "pictures/167", "pictures/138", "pictures/139",
    "pictures/143", "icons/168",    "icons/169"};

// "pictures/150@2x.png" is "pictures/150".
QString PictureName(const QString& path) {
  return path.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

const char* SceneCaption(ResultScene scene) {
  switch (scene) {
    case ResultScene::TolvaSucceeded: return "Tolva succeeded";
    case ResultScene::TolvaFailed: return "Tolva failed";
    case ResultScene::Seventy: return "Seventy";
    case ResultScene::WentOut: return "went out";
    case ResultScene::DrawnGame: return "drawn game";
    case ResultScene::Tsumo: return "Tsumo";
    case ResultScene::Ron: return "Ron (and Reach wins)";
    case ResultScene::CampaignComplete: return "campaign completed";
  }
  return "";
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WritePng(const QString& path, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) {
    std::fprintf(stderr, "picturegen: cannot encode %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return WriteBytes(path, bytes);
}

}  // namespace

std::vector<Picture> EmbeddedPictures(const Words& words) {
  std::vector<Picture> all;
  auto add = [&](const QString& path, const char* caption, const QImage& image) {
    all.push_back({path, QString::fromUtf8(caption), image});
  };
  add("pictures/146.png", "joker and special cards", JokerStrip());
  add("pictures/147.png", "default card back", DefaultCardBack());
  add("pictures/140.png", "button strip", ButtonStrip(words));
  add("pictures/150.png", "name plates", NamePlates(words));
  add("pictures/133.png", "coins", CoinSheet());
  add("pictures/141.png", "game numbers", GameNumbers());
  add("pictures/152.png", "cursor", CursorSprite());
  add("pictures/169.png", "digits", DigitSheet());
  for (ResultScene scene : kResultScenes) {
    add(QString("pictures/%1.png").arg(static_cast<int>(scene)), SceneCaption(scene),
        ResultPicture(scene, words));
  }
  add("pictures/166.png", "peek buttons", PeekButtons(words));
  add("pictures/172.png", "course mark off", CourseMark(false));
  add("pictures/173.png", "course mark on", CourseMark(true));
  add("pictures/181.png", "IDB_END32", CancelButtonImage());
  add("pictures/182.png", "IDB_OK32", OkButtonImage());
  add("pictures/IDB_FD32.png", "IDB_FD32", SaveButtonImage());
  add("icons/tolvagame.png", "application icon", AppIcon(256));
  add("icons/169.png", "Reach badge, first", ReachIcon(0, words));
  add("icons/168.png", "Reach badge, second", ReachIcon(1, words));
  return all;
}

std::vector<Picture> DensePictures(int density, const Words& words) {
  std::vector<Picture> all;
  auto add = [&](int id, const QImage& image) {
    all.push_back({QString("pictures/%1@%2x.png").arg(id).arg(density), QString(), image});
  };
  add(146, SpecialCard(0, density));  // the table draws only the strip's first card, the joker
  add(147, DefaultCardBack(density));
  add(140, ButtonStrip(words, density));
  add(150, NamePlates(words, density));
  add(133, CoinSheet(density));
  add(141, GameNumbers(density));
  add(152, CursorSprite(density));
  add(169, DigitSheet(density));
  for (ResultScene scene : kResultScenes) add(static_cast<int>(scene), ResultPicture(scene, words, density));
  add(166, PeekButtons(words, density));
  return all;
}

std::vector<Picture> EnglishPictures(const Words& english) {
  std::vector<Picture> all;
  auto keep = [&](std::vector<Picture> pictures) {
    for (Picture& picture : pictures) {
      if (!kPicturesWithWords.contains(PictureName(picture.path))) continue;
      picture.path = QLatin1String(kEnglishFolder) + QLatin1Char('/') + picture.path;
      all.push_back(std::move(picture));
    }
  };
  keep(EmbeddedPictures(english));
  for (int density : {2, 3}) keep(DensePictures(density, english));
  return all;
}

bool WriteAll(const QString& assetDir, const QString& runtimeDir, const QString& i18nDir) {
  bool ok = true;
  QString error;
  const std::optional<Words> english = EnglishWords(i18nDir, &error);
  if (!english) {
    std::fprintf(stderr, "picturegen: the English words: %s\n", qPrintable(error));
    return false;
  }
  for (const Picture& picture : EnglishPictures(*english))
    ok &= WritePng(assetDir + "/" + picture.path, picture.image);
  std::vector<Picture> pictures = EmbeddedPictures();
  for (const Picture& picture : pictures) ok &= WritePng(assetDir + "/" + picture.path, picture.image);
  for (int size : kIconSizes) {
    const QImage icon = AppIcon(size);
    ok &= WritePng(QString("%1/icons/hicolor/%2x%2/apps/tolvagame.png").arg(assetDir).arg(size), icon);
    if (size < 256) pictures.push_back({QString("icons/hicolor/%1").arg(size), "icon", icon});
  }
  const QImage sheet = CardSheet();
  const QByteArray library = CardSheetLibrary(sheet);
  if (library.isEmpty()) {
    std::fprintf(stderr, "picturegen: the card face sheet did not encode as a JFIF JPEG\n");
    ok = false;
  } else {
    ok &= WriteBytes(runtimeDir + "/TolvaGameSys.dll", library);
  }
  ok &= WritePng(assetDir + "/contact-sheet.png", ContactSheet(pictures, sheet));
  for (int density : {2, 3}) {
    for (const Picture& picture : DensePictures(density))
      ok &= WritePng(assetDir + "/" + picture.path, picture.image);
    ok &= WriteBytes(runtimeDir + "/" + DenseCardSheetFileName(density), Jpeg(CardSheet(density)));
  }
  return ok;
}

}  // namespace tolva::picturegen
