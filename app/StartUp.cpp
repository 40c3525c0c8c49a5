#include "app/StartUp.h"

#include <QDir>
#include <QDirIterator>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "res/Translation.h"

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

namespace tolva {

int InstallGameTranslations(QCoreApplication& app) {
  int installed = 0;
  QDirIterator qmFiles(QStringLiteral(":/i18n"), {QStringLiteral("*.qm")}, QDir::Files);
  while (qmFiles.hasNext()) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(kGameTranslationName));
    if (translator->load(qmFiles.next()) && QCoreApplication::installTranslator(translator)) {
      ++installed;
    } else {
      delete translator;
    }
  }
  InstallTextTranslator([](std::string_view context, std::string_view text) {
    // translate() wants terminated strings.
    const std::string contextZ(context);
    const std::string textZ(text);
    return QCoreApplication::translate(contextZ.c_str(), textZ.c_str()).toStdString();
  });
  return installed;
}

void UseEnglishFont(QGuiApplication& app) {
  QFont font = app.font();
  font.setFamilies({QString::fromLatin1(kEnglishFontFamily), QStringLiteral("IPAGothic")});
  app.setFont(font);
}

}  // namespace tolva
