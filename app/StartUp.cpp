#include "app/StartUp.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tolva {

bool HasPeekSwitch(const QStringList& arguments) {
  return arguments.mid(1).join(u' ').contains(QLatin1String("/W"), Qt::CaseSensitive);
}

QString ChronicleFileArgument(const QStringList& arguments, bool& bad) {
  bad = false;
  const qsizetype at = arguments.indexOf(QLatin1String(kChronicleSwitch), 1);
  if (at < 0) return {};
  if (at + 1 >= arguments.size() || arguments[at + 1].isEmpty()) {
    bad = true;
    return {};
  }
  return arguments[at + 1];
}

int CunningModeForDepth(int bitsPerPixel) { return bitsPerPixel >= 24 ? 1 : 0; }

QString LibraryFilePath(const QString& executableDir) {
  return QDir(executableDir).filePath(QLatin1String(kLibraryFileName));
}

bool InstallQtTranslation(QCoreApplication& app) {
  // The translator lives as long as the application it is installed in.
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

void UseJapaneseFont(QGuiApplication& app) {
  QFont font = app.font();
  font.setFamilies({QStringLiteral("IPAGothic")});
  app.setFont(font);
}

}  // namespace tolva
