#include "chronicle/ChronicleRead.h"

#include <atomic>
#include <unordered_map>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "res/ChronicleTexts.h"

namespace tolva {

namespace {

constexpr int kBusyTimeoutMs = 2000;
constexpr int kFirstVersionWithCalls = 2;

std::optional<int> OptionalInt(const QVariant& value) {
  if (value.isNull()) return std::nullopt;
  return value.toInt();
}

std::optional<std::int64_t> OptionalTime(const QVariant& value) {
  if (value.isNull()) return std::nullopt;
  return value.toLongLong();
}

// Reads through one read-only connection, which it removes when done.
class Reader {
 public:
  explicit Reader(const QString& path) : name_(NewName()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) error_ = db.lastError().text();
  }
  ~Reader() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool Read(const QString& campaignKey, ChronicleData& data) {
    if (!error_.isEmpty()) return false;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    if (!Exec(query, QStringLiteral("PRAGMA user_version")) || !query.next()) return false;
    const int version = query.value(0).toInt();
    query.finish();
    if (version == 0) return true;  // new and empty
    return ReadCampaigns(query, data) &&
           ReadGames(query, campaignKey, version >= kFirstVersionWithCalls, data) &&
           ReadConquests(query, campaignKey, data);
  }

  const QString& Error() const { return error_; }

 private:
  static QString NewName() {
    static std::atomic<int> readers{0};
    return QStringLiteral("tolva-chronicle-reader-%1").arg(++readers);
  }

  bool Exec(QSqlQuery& query, const QString& statement) {
    if (query.exec(statement)) return true;
    error_ = query.lastError().text();
    return false;
  }

  // The campaign filter of the games and conquests: one key, or every campaign.
  bool ExecFiltered(QSqlQuery& query, const QString& select, const QString& table,
                    const QString& campaignKey) {
    QString statement = select;
    if (!campaignKey.isEmpty())
      statement += QStringLiteral(" WHERE %1.campaign_id = (SELECT id FROM campaigns WHERE key = ?)").arg(table);
    statement += QStringLiteral(" ORDER BY %1.id").arg(table);
    if (!query.prepare(statement)) {
      error_ = query.lastError().text();
      return false;
    }
    if (!campaignKey.isEmpty()) query.addBindValue(campaignKey);
    if (query.exec()) return true;
    error_ = query.lastError().text();
    return false;
  }

  bool ReadCampaigns(QSqlQuery& query, ChronicleData& data) {
    if (!Exec(query, QStringLiteral("SELECT id, key, course, began, purse0, purse1, purse2, purse3, "
                                    "purse4, ended, ending FROM campaigns ORDER BY id")))
      return false;
    while (query.next()) {
      CampaignRow row;
      row.id = query.value(0).toLongLong();
      row.key = query.value(1).toString().toStdString();
      row.course = OptionalInt(query.value(2));
      row.began = OptionalTime(query.value(3));
      if (!query.value(4).isNull()) {
        std::array<int, kSeats> purses{};
        for (int seat = 0; seat < kSeats; ++seat) purses[seat] = query.value(4 + seat).toInt();
        row.startingPurses = purses;
      }
      row.ended = OptionalTime(query.value(9));
      if (const auto ending = OptionalInt(query.value(10)))
        row.ending = static_cast<CampaignEnding>(*ending);
      indexOf_[row.id] = data.campaigns.size();
      data.campaigns.push_back(std::move(row));
    }
    return true;
  }

  bool ReadGames(QSqlQuery& query, const QString& campaignKey, bool withCalls, ChronicleData& data) {
    const QString calls = withCalls ? QStringLiteral("calls0, calls1, calls2, calls3, calls4")
                                    : QStringLiteral("NULL, NULL, NULL, NULL, NULL");
    const QString select = QStringLiteral(
        "SELECT campaign_id, played, city, city_name, game_no, jokers, result_kind, result_seat, "
        "payer_seat, payment0, payment1, payment2, payment3, payment4, purse0, purse1, purse2, "
        "purse3, purse4, pending_pool, turns, reach_seats, %1 FROM games").arg(calls);
    if (!ExecFiltered(query, select, QStringLiteral("games"), campaignKey)) return false;
    // Every game of a city carries its name: each name is converted once.
    std::unordered_map<int, std::string> names;
    while (query.next()) {
      GameRow row;
      row.campaign = indexOf_[query.value(0).toLongLong()];
      row.played = query.value(1).toLongLong();
      GameFinished& g = row.game;
      g.course = data.campaigns.empty() ? 1 : data.campaigns[row.campaign].course.value_or(1);
      g.city = query.value(2).toInt();
      auto [name, fresh] = names.try_emplace(g.city);
      if (fresh) name->second = query.value(3).toString().toStdString();
      g.cityName = name->second;
      g.gameNo = query.value(4).toInt();
      g.jokers = query.value(5).toInt();
      g.resultKind = query.value(6).toInt();
      g.resultSeat = query.value(7).toInt();
      g.payerSeat = query.value(8).toInt();
      for (int seat = 0; seat < kSeats; ++seat) {
        SeatOutcome& s = g.seats[seat];
        s.payment = query.value(9 + seat).toInt();
        s.purse = query.value(14 + seat).toInt();
      }
      g.pendingPool = query.value(19).toInt();
      g.turns = query.value(20).toInt();
      const int reachSeats = query.value(21).toInt();
      row.callsKnown = !query.value(22).isNull();
      for (int seat = 0; seat < kSeats; ++seat) {
        g.seats[seat].reach = (reachSeats >> seat & 1) != 0;
        g.seats[seat].calls = row.callsKnown ? query.value(22 + seat).toInt() : 0;
      }
      data.games.push_back(std::move(row));
    }
    return true;
  }

  bool ReadConquests(QSqlQuery& query, const QString& campaignKey, ChronicleData& data) {
    if (!ExecFiltered(query,
                      QStringLiteral("SELECT campaign_id, conquered, city, city_name FROM conquests"),
                      QStringLiteral("conquests"), campaignKey))
      return false;
    while (query.next()) {
      ConquestRow row;
      row.campaign = indexOf_[query.value(0).toLongLong()];
      row.conquered = query.value(1).toLongLong();
      row.city = query.value(2).toInt();
      row.cityName = query.value(3).toString().toStdString();
      data.conquests.push_back(std::move(row));
    }
    return true;
  }

  QString name_;
  QString error_;
  std::unordered_map<std::int64_t, std::size_t> indexOf_;  // campaign id → index
};

}  // namespace

ChronicleReading ReadChronicle(const QString& path, const QString& campaignKey) {
  ChronicleReading reading;
  const QFileInfo file(path);
  if (!file.exists()) return reading;
  if (!file.isFile()) {
    reading.ok = false;
    const std::string_view text = chronicle_text::kNotAFile;
    reading.error = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).arg(path);
    return reading;
  }
  Reader reader(path);
  reading.ok = reader.Read(campaignKey, reading.data);
  reading.error = reader.Error();
  if (!reading.ok) reading.data = {};
  return reading;
}

}  // namespace tolva
