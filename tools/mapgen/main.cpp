// Draws the world map picture (bitmap 142, 1831 x 649) from the data in
// res/map: the lands from Iberia to the Indus, the conqueror's route and its
// 99 cities in the campaign's key colours, then walks the whole route with
// the game's own tracing code and refuses to write a picture it cannot walk.
//
//   tolva_mapgen <res/map folder> <output png> [--keep-rejected] [--raw <output ppm>]
//                [--english <res/i18n folder>] [--labels <output txt>]
//
// With --keep-rejected a picture whose route does not hold is still written,
// beside the output as <output>.rejected.png, to look at while mending the data.
// With --raw the same picture is also written as a binary portable pixmap
// (P6: width, height, then three bytes a pixel), which the headless simulator
// reads without Qt to play whole campaigns on the real map.
// With --english the names and words are drawn in English, from the
// translation files in that folder (the route and its key colours are the
// same). With --labels the place of every city's name is written out, one
// line each ("city <x> <y> <left> <top> <width> <height> <name>"), after the
// panels the names keep clear of ("panel <left> <top> <width> <height>").
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <cstdio>
#include <exception>

#include "Decor.h"
#include "KeyColours.h"
#include "Labels.h"
#include "MapData.h"
#include "MapWords.h"
#include "RouteCheck.h"
#include "RouteRaster.h"
#include "Terrain.h"

namespace tolva::mapgen {
namespace {

// Nudges every pixel of the art that happens to have a key colour, so the
// tracing finds key colours only where the route and the cities are.
void ClearKeyColours(QImage& img) {
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      if (IsKeyColour(line[x])) line[x] = qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]) < 255 ? qBlue(line[x]) + 1 : 254);
  }
}

void Stamp(QImage& img, const QVector<QPoint>& pixels, QRgb colour) {
  for (const QPoint& p : pixels) img.setPixel(p, colour);
}

void StampCity(QImage& img, const CityShape& city, QRgb inside) {
  Stamp(img, city.ring, kCityEdgeColour);
  Stamp(img, city.interior, inside);
}

// Every key-coloured pixel must be one the layout put there.
void CheckKeyColoursOnlyWhereMeant(const QImage& img, const QImage& stamped) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (IsKeyColour(img.pixel(x, y)) && !stamped.pixelIndex(x, y))
        throw std::runtime_error(QStringLiteral("key colour in the art at (%1, %2)").arg(x).arg(y).toStdString());
}

struct Drawn {
  QImage picture;
  QVector<QRect> panels;
  QVector<PlacedName> names;
};

void WriteLabels(const QString& file, const Drawn& drawn) {
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    throw std::runtime_error(("cannot write " + file + ": " + out.errorString()).toStdString());
  QTextStream text(&out);
  for (const QRect& r : drawn.panels) text << "panel " << r.left() << ' ' << r.top() << ' ' << r.width() << ' ' << r.height() << '\n';
  for (const PlacedName& n : drawn.names)
    text << "city " << n.city.x() << ' ' << n.city.y() << ' ' << n.box.left() << ' ' << n.box.top() << ' '
         << n.box.width() << ' ' << n.box.height() << ' ' << n.name << '\n';
}

Drawn Draw(const Features& features, const Route& route, const RouteLayout& layout, const MapWords& words) {
  Drawn drawn;
  QImage& img = drawn.picture;
  img = PaintTerrain(features, LandCoverage(features));
  const QVector<QRectF> areaNames = PaintAreaNames(img, features);
  QVector<QRect>& reserved = drawn.panels;
  reserved.append(PaintCartouche(img, words));
  reserved.append(PaintLegendPanel(img, words));
  reserved.append(PaintCompass(img, QPoint(1768, 588), 44, words));
  drawn.names = PaintCityNames(img, route, layout, reserved, areaNames, words.IsEnglish());
  PaintFrame(img);
  ClearKeyColours(img);

  QImage stamped(img.size(), QImage::Format_Indexed8);
  stamped.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  stamped.fill(0);
  auto mark = [&](const QVector<QPoint>& pixels) { for (const QPoint& p : pixels) stamped.setPixel(p, 1); };
  for (const auto& leg : layout.legs) {
    Stamp(img, leg, kRouteColour);
    mark(leg);
  }
  StampCity(img, layout.start, kConqueredColour);
  mark(layout.start.ring + layout.start.interior);
  for (const CityShape& c : layout.cities) {
    StampCity(img, c, kCityColour);
    mark(c.ring + c.interior);
  }
  const LegendSample legend = MakeLegendSample();
  Stamp(img, legend.route, kRouteColour);
  StampCity(img, legend.city, kCityColour);
  Stamp(img, legend.travelled, kTravelledColour);
  StampCity(img, legend.conquered, kConqueredColour);
  for (const auto* set : {&legend.route, &legend.city.ring, &legend.city.interior, &legend.travelled,
                          &legend.conquered.ring, &legend.conquered.interior})
    mark(*set);
  CheckKeyColoursOnlyWhereMeant(img, stamped);
  return drawn;
}

}  // namespace
}  // namespace tolva::mapgen

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  bool keepRejected = false;
  QString rawOutput;
  QString englishFrom;
  QString labelsOutput;
  bool usable = args.size() >= 3;
  for (int i = 3; usable && i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--keep-rejected")) {
      keepRejected = true;
    } else if (args[i] == QStringLiteral("--raw") && i + 1 < args.size()) {
      rawOutput = args[++i];
    } else if (args[i] == QStringLiteral("--english") && i + 1 < args.size()) {
      englishFrom = args[++i];
    } else if (args[i] == QStringLiteral("--labels") && i + 1 < args.size()) {
      labelsOutput = args[++i];
    } else {
      usable = false;
    }
  }
  if (!usable) {
    std::fprintf(stderr,
                 "usage: tolva_mapgen <res/map folder> <output png> [--keep-rejected] [--raw <output ppm>]\n"
                 "                    [--english <res/i18n folder>] [--labels <output txt>]\n");
    return 2;
  }
  using namespace tolva::mapgen;
  try {
    const QDir data(args[1]);
    const MapWords words = englishFrom.isEmpty() ? MapWords() : MapWords::English(englishFrom);
    Features features = LoadFeatures(data.filePath(QStringLiteral("land.txt")), data.filePath(QStringLiteral("features.txt")));
    Route route = LoadRoute(data.filePath(QStringLiteral("route.txt")));
    words.Translate(features);
    words.Translate(route);
    const RouteLayout layout = LayOutRoute(route);
    const Drawn drawn = Draw(features, route, layout, words);
    const QImage& picture = drawn.picture;
    if (!labelsOutput.isEmpty()) WriteLabels(labelsOutput, drawn);
    QVector<LegReport> legs;
    try {
      legs = CheckRoute(picture, route, layout);
    } catch (const std::exception&) {
      if (keepRejected) picture.save(args[2] + QStringLiteral(".rejected.png"));
      throw;
    }

    QDir().mkpath(QFileInfo(args[2]).absolutePath());
    QImageWriter writer(args[2], "png");
    writer.setQuality(0);  // for PNG: the strongest compression
    if (!writer.write(picture)) throw std::runtime_error(("cannot write " + args[2] + ": " + writer.errorString()).toStdString());
    if (!rawOutput.isEmpty()) {
      QDir().mkpath(QFileInfo(rawOutput).absolutePath());
      QImageWriter raw(rawOutput, "ppm");
      if (!raw.write(picture.convertToFormat(QImage::Format_RGB888)))
        throw std::runtime_error(("cannot write " + rawOutput + ": " + raw.errorString()).toStdString());
    }
    int longest = 0;
    for (const LegReport& l : legs) longest = std::max(longest, l.steps);
    QTextStream(stdout) << "world map: " << legs.size() << " legs, first three " << legs[0].steps << ", " << legs[1].steps << ", "
                        << legs[2].steps << " steps, longest " << longest << "\n";
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tolva_mapgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
