// The pieces of the program's start-up that can be told apart from the
// running application: the peek and chronicle switches on the command line, the cunning-mode
// flag from the display depth, the picture library beside the executable, and
// Qt's own Japanese translation and the Japanese font.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QGuiApplication;

namespace tolva {

// True when "/W" occurs anywhere in the command line's arguments (a
// case-sensitive substring test over the arguments joined by spaces). The
// program's own path is left out: on this system paths are written with "/",
// so a folder named "W…" would otherwise start a peek instance by accident.
bool HasPeekSwitch(const QStringList& arguments);

// `TolvaGame --chronicle FILE` shows the chronicle window alone on FILE (a
// chronicle the simulator wrote, or a copy). The file named, empty without
// the switch; `bad` is set when the switch has no file after it.
QString ChronicleFileArgument(const QStringList& arguments, bool& bad);
inline constexpr char kChronicleSwitch[] = "--chronicle";

// Cunning mode needs a full-colour display. Windows reports 32 bits per pixel
// for true colour where X11 reports 24 (the same pixels without the unused
// byte), so 24 bits or more count as full colour here.
int CunningModeForDepth(int bitsPerPixel);

// The picture library's full path for the executable's folder.
QString LibraryFilePath(const QString& executableDir);
inline constexpr char kLibraryFileName[] = "TolvaGameSys.dll";

// Installs Qt's Japanese translation (qtbase_ja.qm from Qt's translations
// folder), so that the standard buttons read はい(Y), いいえ(N), キャンセル.
// False when the file is not there (the buttons then stay in English).
bool InstallQtTranslation(QCoreApplication& app);

// IPAGothic, the system's Japanese Gothic, for every widget of the program.
void UseJapaneseFont(QGuiApplication& app);

// Installs one translator per translation embedded in the program (every
// :/i18n/*.qm) and sends the texts of the layers without Qt through them.
// The number of translations installed; each translator is a child of `app`
// named kGameTranslationName.
int InstallGameTranslations(QCoreApplication& app);
inline constexpr char kGameTranslationName[] = "tolva-translation";

// English text reads better in a Latin face: DejaVu Sans first, IPAGothic
// behind it for any Japanese left in a name or a path.
void UseEnglishFont(QGuiApplication& app);
inline constexpr char kEnglishFontFamily[] = "DejaVu Sans";

}  // namespace tolva
