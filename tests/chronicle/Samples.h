// Entries and files for the chronicle tests: games told in a line, and a
// scratch folder of the test's own for the database.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "table/Chronicle.h"

namespace tolva::testing {

// A game of `campaign` won (or declared, or drawn with kDrawnResult) by
// `seat`, paying the king `kingPayment` and leaving him `kingPurse`; the
// other seats' payments balance it on seat 0.
inline GameFinished Game(const std::string& campaign, int kind, int seat, int kingPayment,
                         int kingPurse, int city = 1, int gameNo = 1) {
  GameFinished g;
  g.campaign = campaign;
  g.course = 2;
  g.city = city;
  g.cityName = "都市" + std::to_string(city);
  g.gameNo = gameNo;
  g.jokers = 2;
  g.resultKind = kind;
  g.resultSeat = seat;
  g.payerSeat = kind == kReachWin || kind == kRon ? (seat == 0 ? 4 : 0) : -1;
  g.seats[kHumanSeat].payment = kingPayment;
  g.seats[0].payment = -kingPayment;
  g.seats[kHumanSeat].purse = kingPurse;
  g.turns = 12;
  return g;
}

struct ScratchFolder {
  QTemporaryDir dir;
  QString File(const char* name = "chronicle.sqlite") const {
    return dir.filePath(QString::fromLatin1(name));
  }
};

inline QByteArray Contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Write(const QString& file, const QByteArray& bytes) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace tolva::testing
