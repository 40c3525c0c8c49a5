#include "chronicle/ChronicleSchema.h"

#include <array>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace tolva {

namespace {

// Times are seconds since the epoch; seats are 0 to 4 (4 the king); a drawn
// game has result_kind -1 and the seat that opened it as result_seat;
// reach_seats has bit s set when seat s declared Reach.
constexpr std::array<std::string_view, 3> kVersion1 = {
    "CREATE TABLE campaigns ("
    " id INTEGER PRIMARY KEY,"
    " key TEXT NOT NULL UNIQUE,"
    " course INTEGER,"
    " began INTEGER,"
    " purse0 INTEGER, purse1 INTEGER, purse2 INTEGER, purse3 INTEGER, purse4 INTEGER,"
    " ended INTEGER,"
    " ending INTEGER)",
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " campaign_id INTEGER NOT NULL REFERENCES campaigns(id),"
    " played INTEGER NOT NULL,"
    " city INTEGER NOT NULL, city_name TEXT NOT NULL, game_no INTEGER NOT NULL,"
    " jokers INTEGER NOT NULL,"
    " result_kind INTEGER NOT NULL, result_seat INTEGER NOT NULL, payer_seat INTEGER NOT NULL,"
    " payment0 INTEGER NOT NULL, payment1 INTEGER NOT NULL, payment2 INTEGER NOT NULL,"
    " payment3 INTEGER NOT NULL, payment4 INTEGER NOT NULL,"
    " purse0 INTEGER NOT NULL, purse1 INTEGER NOT NULL, purse2 INTEGER NOT NULL,"
    " purse3 INTEGER NOT NULL, purse4 INTEGER NOT NULL,"
    " pending_pool INTEGER NOT NULL, turns INTEGER NOT NULL, reach_seats INTEGER NOT NULL)",
    "CREATE TABLE conquests ("
    " id INTEGER PRIMARY KEY,"
    " campaign_id INTEGER NOT NULL REFERENCES campaigns(id),"
    " conquered INTEGER NOT NULL,"
    " city INTEGER NOT NULL, city_name TEXT NOT NULL)",
};

constexpr std::array<std::string_view, 7> kVersion2 = {
    "ALTER TABLE games ADD COLUMN calls0 INTEGER",
    "ALTER TABLE games ADD COLUMN calls1 INTEGER",
    "ALTER TABLE games ADD COLUMN calls2 INTEGER",
    "ALTER TABLE games ADD COLUMN calls3 INTEGER",
    "ALTER TABLE games ADD COLUMN calls4 INTEGER",
    "CREATE INDEX games_by_campaign ON games (campaign_id, id)",
    "CREATE INDEX conquests_by_campaign ON conquests (campaign_id, id)",
};

}  // namespace

std::span<const std::string_view> ChronicleSchemaStep(int version) {
  switch (version) {
    case 1: return kVersion1;
    case 2: return kVersion2;
    default: return {};
  }
}

QSqlError UpgradeChronicleSchema(QSqlDatabase& db, int from, int to) {
  if (!db.transaction()) return db.lastError();
  QSqlQuery query(db);
  bool ok = true;
  for (int version = from + 1; ok && version <= to; ++version) {
    for (const std::string_view statement : ChronicleSchemaStep(version)) {
      ok = query.exec(QString::fromUtf8(statement.data(), static_cast<qsizetype>(statement.size())));
      if (!ok) break;
    }
  }
  // user_version takes no bound value; `to` is our own number.
  if (ok) ok = query.exec(QStringLiteral("PRAGMA user_version = %1").arg(to));
  if (!ok) {
    const QSqlError error = query.lastError();
    db.rollback();
    return error;
  }
  if (!db.commit()) {
    const QSqlError error = db.lastError();
    db.rollback();
    return error;
  }
  return {};
}

}  // namespace tolva
