// Grabs each dialog offscreen into a PNG file, to look at them without a
// desktop: dialog_shots <folder>. The settings and the temporary folder are
// private to the run, as in the tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/StartUp.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CBackSet.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/COpenning.h"
#include "render/Surfaces.h"
#include "res/Language.h"
#include "table/MemorySettingsStore.h"

namespace {

using namespace tolva;

bool Save(QWidget& widget, const QString& file) {
  widget.show();
  if (!QTest::qWaitForWindowExposed(&widget)) return false;
  QCoreApplication::processEvents();
  return widget.grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
  qputenv("TMPDIR", home.path().toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // In the language the environment asks for, as the program starts.
  if (LanguageOfThisDesktop() == Language::English) {
    InstallGameTranslations(app);
    UseEnglishFont(app);
  }
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(out);
  bool ok = true;

  MemorySettingsStore store;
  {
    COpenning course({store, nullptr});
    course.show();
    ok &= QTest::qWaitForWindowExposed(&course);
    QTimer* timer = course.findChild<QTimer*>();
    for (int tick = 0; tick < 30 && timer; ++tick) QMetaObject::invokeMethod(timer, "timeout");
    ok &= Save(course, out + "/course-selection.png");
  }
  {
    Surfaces surfaces;
    CBackSet backs({store, surfaces, {}, 0});
    ok &= Save(backs, out + "/card-back.png");
    if (argc > 2) {
      backs.SetFreeImageFromPath(QString::fromLocal8Bit(argv[2]));
      ok &= Save(backs, out + "/card-back-free.png");
    }
  }
  {
    CAboutDlg about;
    ok &= Save(about, out + "/about.png");
  }
  const QString helpDir = QStringLiteral(TOLVA_SHIPPED_HELP_DIR);
  for (HelpPage page : {HelpPage::Rules, HelpPage::Controls}) {
    CHelpDlg help({});
    help.HelpFolder = helpDir;
    help.PageFile = QString::fromUtf8(InfoOf(page).file.data(), InfoOf(page).file.size());
    help.Title = QString::fromUtf8(InfoOf(page).title.data(), InfoOf(page).title.size());
    if (!help.OpenPage()) {
      ok = false;
      continue;
    }
    help.show();
    ok &= QTest::qWaitForWindowExposed(&help);
    help.setWindowState(Qt::WindowNoState);
    help.resize(1000, 720);
    ok &= Save(help, out + (page == HelpPage::Rules ? "/help-rules.png" : "/help-controls.png"));
  }
  {
    // The rules page in English: the page itself, since the window's own
    // texts come from the program's translations, installed at start-up.
    SetActiveLanguage(Language::English);
    CHelpDlg help({});
    help.HelpFolder = helpDir;
    help.PageFile = QString::fromUtf8(InfoOf(HelpPage::Rules).file.data(), InfoOf(HelpPage::Rules).file.size());
    help.Title = QString::fromUtf8(InfoOf(HelpPage::Rules).title.data(), InfoOf(HelpPage::Rules).title.size());
    ok &= help.OpenPage();
    help.show();
    ok &= QTest::qWaitForWindowExposed(&help);
    help.setWindowState(Qt::WindowNoState);
    help.resize(1000, 720);
    QCoreApplication::processEvents();
    ok &= help.Browser()->grab().save(out + "/en-help.png");
    SetActiveLanguage(Language::Japanese);
  }
  return ok ? 0 : 1;
}
