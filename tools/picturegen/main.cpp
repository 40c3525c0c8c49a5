// picturegen: draws every picture of the game into the build tree.
//
//   picturegen -platform offscreen --assets <dir> --runtime <dir> --translations <res/i18n>
//
// writes the embedded pictures below <dir of assets> (pictures/, icons/, and
// en/ for those with words again in English, from the translation files), the
// installable icon sizes (icons/hicolor/...), a contact sheet of everything
// (contact-sheet.png), and the card face library TolvaGameSys.dll into the
// runtime dir. Everything is drawn from code: the same sources give the same
// bytes.
#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

#include "Catalogue.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Draws the pictures of TolvaGame.");
  parser.addHelpOption();
  const QCommandLineOption assets("assets", "Folder for the embedded pictures.", "dir");
  const QCommandLineOption runtime("runtime", "Folder of the executable (card face library).", "dir");
  const QCommandLineOption translations("translations", "Folder of the translation files (.ts).", "dir");
  parser.addOption(assets);
  parser.addOption(runtime);
  parser.addOption(translations);
  parser.process(app);
  if (!parser.isSet(assets) || !parser.isSet(runtime) || !parser.isSet(translations)) {
    std::fprintf(stderr, "picturegen: --assets, --runtime and --translations are all needed\n");
    return 2;
  }
  return tolva::picturegen::WriteAll(parser.value(assets), parser.value(runtime),
                                     parser.value(translations))
             ? 0
             : 1;
}
