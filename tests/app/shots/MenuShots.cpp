// Grabs the pop-up menus and the world map offscreen into PNG files, to look
// at them without a desktop: menu_shots <folder>. The menus are shown in
// states where their checks and greys say something; the map at ×1 from the
// top left, and at ×2 centred on the king's city after three conquered cities
// with the fourth leg half walked.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/StartUp.h"
#include "res/Language.h"
#include "app/CommandMenus.h"
#include "app/MapViewport.h"
#include "app/QImagePixelMap.h"
#include "table/CTolvaView.h"
#include "table/MapTracing.h"
#include "table/MapView.h"
#include "table/SettingsSchema.h"
#include "tests/app/support/RecordingShell.h"
#include "tests/support/ScriptedHost.h"

namespace {

using namespace tolva;

class MapWindow : public QWidget {
 public:
  explicit MapWindow(CTolvaView& view) : view_(view) {}
  MapViewport* map = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (view_.MapShown && map) map->Paint(painter);
  }

 private:
  CTolvaView& view_;
};

bool SaveMenu(QMenu& menu, const QString& file) {
  menu.popup(QPoint(20, 20));
  QCoreApplication::processEvents();
  const bool ok = menu.grab().save(file);
  menu.hide();
  return ok;
}

// The menu and each of its sub-menus, as name.png, name-1.png, name-1-2.png …
bool SaveMenuTree(QMenu& menu, const QString& name) {
  bool ok = SaveMenu(menu, name + ".png");
  int n = 0;
  for (QAction* action : menu.actions())
    if (QMenu* sub = action->menu()) ok &= SaveMenuTree(*sub, name + "-" + QString::number(++n));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 10));
  // In the language the environment asks for, as the program starts.
  if (LanguageOfThisDesktop() == Language::English) {
    InstallGameTranslations(app);
    QApplication::setFont(QFont(QString::fromLatin1(kEnglishFontFamily), 10));
  }
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  QDir().mkpath(out);
  bool ok = true;

  testing::ScriptedHost host;
  CTolvaView view(host);
  testing::RecordingShell shell;
  CommandMenus commands(view, host, shell);
  host.Attach(view);
  Settings settings(host.store);
  view.Initialising = 0;

  // Before the first game.
  ok &= SaveMenuTree(*commands.BuildCommandMenu(kMenuStart), out + "/menu-start");

  // The second game of a city, the human to move before drawing.
  view.TableActive = 1;
  view.t.GameNo = 2;
  view.t.TurnSeat = kHumanSeat;
  view.t.HandCount[kHumanSeat] = 7;
  view.t.OpenMode = 1;
  view.t.ManSpeed = 2;
  view.t.CardSpeed = 3;
  settings.SetGamen(1200);
  settings.SetJoker(4);
  ok &= SaveMenuTree(*commands.BuildCommandMenu(kMenuSettings), out + "/menu-settings");
  ok &= SaveMenuTree(*commands.BuildCommandMenu(kMenuHelp), out + "/menu-help");
  ok &= SaveMenuTree(*commands.BuildCommandMenu(kMenuDeclarations), out + "/menu-declarations");
  settings.SetZoom(2);
  ok &= SaveMenuTree(*commands.BuildMapMenu(), out + "/menu-map");

  // The map: three cities conquered, the fourth leg half walked.
  QImage picture(QStringLiteral(":/pictures/142.png"));
  if (picture.isNull()) return 2;
  picture = picture.convertToFormat(QImage::Format_RGB32);
  QImagePixelMap pixels(picture);
  const MapColours colours = ReadMapColours(pixels);
  const RebuiltRoute route = RebuildRoute(pixels, colours, 3);
  RouteWalker walker(pixels, colours);
  if (walker.Start(route.cityPoint))
    for (int step = 0; step < 40; ++step) walker.StepOnce();

  MapWindow window(view);
  window.resize(1200, 900);
  window.show();
  MapViewport map(window, view, picture, [](QPoint) {});
  window.map = &map;
  settings.SetZoom(1);
  view.MapZoom = 1;
  view.MapOrg = {0, 0};
  view.ToggleMap();
  map.Sync();
  QCoreApplication::processEvents();
  ok &= window.grab().save(out + "/map-zoom1.png");

  view.SetMapZoom(2);
  map.Sync();
  view.CityPoint = {route.cityPoint.x, route.cityPoint.y};
  view.CentreOnCity();
  map.Sync();
  QCoreApplication::processEvents();
  ok &= window.grab().save(out + "/map-zoom2.png");
  return ok ? 0 : 1;
}
