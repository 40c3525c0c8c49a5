// The committed data the world map is drawn from (res/map): land outlines,
// rivers and names, and the route with its cities. All positions are in
// pixels of the 1831 x 649 map picture.
#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

namespace tolva::mapgen {

inline constexpr int kMapWidth = 1831;
inline constexpr int kMapHeight = 649;

using Polyline = QVector<QPointF>;

struct Label {
  QString text;
  QPointF at;    // centre of the text
  double size;   // pixel size of the font
  double angle = 0;  // degrees, clockwise
};

struct Features {
  QVector<Polyline> land;  // rings, filled even-odd
  QVector<Polyline> rivers;
  QVector<Polyline> lakes;
  QVector<Polyline> mountains;
  QVector<Polyline> deserts;
  QVector<Polyline> fertile;
  QVector<Polyline> graticule;
  QVector<Label> seas;
  QVector<Label> regions;
  QVector<Label> islands;
};

struct City {
  int x = 0;
  int y = 0;
  QString name;
  bool big = false;
};

// One leg: from the city before it, through its waypoints, to the next city
// (or, for the last leg, to its end point).
struct Leg {
  QVector<QPointF> via;
};

struct Expectation {
  int leg = 0;  // 1-based
  int steps = 0;
  int cityX = 0;
  int cityY = 0;
};

struct Route {
  City start;
  QVector<City> cities;  // in the order of the march
  QVector<Leg> legs;     // legs[i] leads to cities[i]; the last leads to `end`
  QPointF end;
  QVector<Expectation> expectations;
};

// These throw std::runtime_error naming the file and line of what is wrong.
Features LoadFeatures(const QString& landFile, const QString& featuresFile);
Route LoadRoute(const QString& routeFile);

}  // namespace tolva::mapgen
