#include "chronicle/ChronicleStore.h"

#include <atomic>
#include <optional>
#include <type_traits>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include "chronicle/ChronicleSchema.h"

namespace tolva {

namespace {

// How long a write waits for another program's lock before it gives up (on
// the writer's own thread: the game does not wait).
constexpr int kBusyTimeoutMs = 2000;

}  // namespace

// What an SQLite error means for the chronicle, by its primary result code;
// Newer is a version check's.
enum class ChronicleStore::Fault { None, Busy, Full, ReadOnly, Damaged, Newer, Other };

namespace {

using Fault = ChronicleStore::Fault;

Fault FaultOf(const QSqlError& error) {
  if (error.type() == QSqlError::NoError) return Fault::None;
  bool isNumber = false;
  const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
  if (!isNumber) return Fault::Other;
  switch (code) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
      return Fault::Busy;
    case 13: return Fault::Full;      // SQLITE_FULL
    case 8: return Fault::ReadOnly;   // SQLITE_READONLY
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
      return Fault::Damaged;
    default: return Fault::Other;
  }
}

ChronicleProblem ProblemOf(Fault fault) {
  switch (fault) {
    case Fault::None: return ChronicleProblem::None;
    case Fault::Busy: return ChronicleProblem::Locked;
    case Fault::Full: return ChronicleProblem::DiskFull;
    case Fault::ReadOnly: return ChronicleProblem::ReadOnly;
    case Fault::Damaged: return ChronicleProblem::SetAside;
    case Fault::Newer: return ChronicleProblem::Newer;
    case Fault::Other: break;
  }
  return ChronicleProblem::Unavailable;
}

QString NewConnectionName() {
  static std::atomic<int> stores{0};
  return QStringLiteral("tolva-chronicle-%1").arg(++stores);
}

// The files SQLite keeps beside a database while it works on it.
constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The one value a statement answers; none, with the fault, when it failed.
std::optional<QVariant> ValueOf(QSqlQuery& query, const QString& statement, Fault& fault) {
  if (!query.exec(statement) || !query.next()) {
    fault = FaultOf(query.lastError());
    if (fault == Fault::None) fault = Fault::Other;
    return std::nullopt;
  }
  QVariant value = query.value(0);
  query.finish();
  return value;
}

}  // namespace

QString DefaultChroniclePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/TolvaGame/chronicle.sqlite");
}

// The statements of the writes, prepared once per opened database.
struct ChronicleStore::Statements {
  explicit Statements(const QSqlDatabase& db)
      : campaign(db), began(db), game(db), conquest(db), ended(db) {}
  bool Prepare() {
    // A campaign is made the first time any entry names it; a course learnt
    // later fills one that was not known.
    return campaign.prepare(QStringLiteral(
               "INSERT INTO campaigns (key, course) VALUES (?, ?) ON CONFLICT (key) DO UPDATE "
               "SET course = COALESCE(campaigns.course, excluded.course) RETURNING id")) &&
           began.prepare(QStringLiteral(
               "UPDATE campaigns SET course = ?, began = ?, purse0 = ?, purse1 = ?, purse2 = ?, "
               "purse3 = ?, purse4 = ? WHERE id = ?")) &&
           game.prepare(QStringLiteral(
               "INSERT INTO games (campaign_id, played, city, city_name, game_no, jokers, "
               "result_kind, result_seat, payer_seat, payment0, payment1, payment2, payment3, "
               "payment4, purse0, purse1, purse2, purse3, purse4, pending_pool, turns, "
               "reach_seats, calls0, calls1, calls2, calls3, calls4) VALUES (?, ?, ?, ?, ?, ?, ?, "
               "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")) &&
           conquest.prepare(QStringLiteral(
               "INSERT INTO conquests (campaign_id, conquered, city, city_name) VALUES (?, ?, ?, ?)")) &&
           ended.prepare(QStringLiteral("UPDATE campaigns SET ended = ?, ending = ? WHERE id = ?"));
  }
  QSqlQuery campaign, began, game, conquest, ended;
};

ChronicleStore::ChronicleStore(QString path, QString connectionName)
    : path_(std::move(path)),
      connection_(connectionName.isEmpty() ? NewConnectionName() : std::move(connectionName)) {}

ChronicleStore::~ChronicleStore() { Close(); }

bool ChronicleStore::IsOpen() const { return statements_ != nullptr; }

void ChronicleStore::Close() {
  statements_.reset();  // no query may outlive its connection
  if (!QSqlDatabase::contains(connection_)) return;
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

ChronicleProblem ChronicleStore::Open() {
  if (IsOpen()) return ChronicleProblem::None;
  const ChronicleProblem problem = OpenOnce();
  return problem == ChronicleProblem::SetAside ? StartAfresh() : problem;
}

ChronicleProblem ChronicleStore::StartAfresh() {
  Close();
  if (!SetAside()) return ChronicleProblem::Unavailable;
  const ChronicleProblem problem = OpenOnce();
  if (problem == ChronicleProblem::None) return ChronicleProblem::SetAside;
  // A new file that is damaged at once is no chronicle to be had.
  return problem == ChronicleProblem::SetAside ? ChronicleProblem::Unavailable : problem;
}

ChronicleProblem ChronicleStore::OpenOnce() {
  const QFileInfo file(path_);
  if (!QDir().mkpath(file.absolutePath())) return ChronicleProblem::Unavailable;
  if (file.exists() && !file.isFile()) return ChronicleProblem::Unavailable;
  const Fault fault = Connect();
  if (fault == Fault::None) return ChronicleProblem::None;
  Close();
  return ProblemOf(fault);
}

Fault ChronicleStore::Connect() {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db.setDatabaseName(path_);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!db.open()) return FaultOf(db.lastError());
  QSqlQuery query(db);
  Fault fault = Fault::None;
  // The file's header: junk in place of a database fails here.
  const auto version = ValueOf(query, QStringLiteral("PRAGMA user_version"), fault);
  if (!version) return fault;
  const int stored = version->toInt();
  if (stored > kChronicleSchemaVersion) return Fault::Newer;
  if (stored > 0) {
    const auto check = ValueOf(query, QStringLiteral("PRAGMA quick_check(1)"), fault);
    if (!check) return fault;
    if (check->toString() != QStringLiteral("ok")) return Fault::Damaged;
  }
  // The window reads while the writer writes; neither blocks the other. Where
  // the file system cannot share memory the mode stays as it was.
  query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
  query.finish();
  query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
  query.finish();
  if (stored < kChronicleSchemaVersion) {
    fault = FaultOf(UpgradeChronicleSchema(db, stored));
    if (fault != Fault::None) return fault;
  }
  statements_ = std::make_unique<Statements>(db);
  return statements_->Prepare() ? Fault::None : Fault::Other;
}

bool ChronicleStore::SetAside() {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString target = path_ + QStringLiteral(".damaged-") + stamp;
  for (int n = 2; QFileInfo::exists(target); ++n)
    target = path_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
  if (!QFile::rename(path_, target)) return false;
  for (const char* companion : kCompanions) {
    const QString name = path_ + QLatin1String(companion);
    if (QFileInfo::exists(name)) QFile::rename(name, target + QLatin1String(companion));
  }
  setAside_ = target;
  return true;
}

ChronicleProblem ChronicleStore::Write(const ChronicleEntry& entry, std::int64_t when) {
  ChronicleProblem opened = Open();
  if (opened != ChronicleProblem::None && opened != ChronicleProblem::SetAside) return opened;
  Fault fault = FaultOf(WriteOnce(entry, when));
  if (fault == Fault::Damaged) {
    // Damage the opening check did not see: set aside all the same.
    opened = StartAfresh();
    if (opened != ChronicleProblem::SetAside) return opened;
    fault = FaultOf(WriteOnce(entry, when));
  }
  if (fault == Fault::None) return opened;
  // A lock, a full disk or a read-only file may pass with the connection as
  // it is; anything else is tried afresh from the opening next time.
  if (fault == Fault::Other) Close();
  return ProblemOf(fault);
}

QSqlError ChronicleStore::WriteOnce(const ChronicleEntry& entry, std::int64_t when) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  if (!db.transaction()) return db.lastError();
  Statements& s = *statements_;
  QSqlError error;
  // The campaign's row id, made when missing; none after an error.
  auto campaignId = [&](const std::string& key, QVariant course) -> QVariant {
    s.campaign.addBindValue(Text(key));
    s.campaign.addBindValue(course);
    if (!s.campaign.exec() || !s.campaign.next()) {
      error = s.campaign.lastError();
      return {};
    }
    const QVariant id = s.campaign.value(0);
    s.campaign.finish();
    return id;
  };
  auto run = [&](QSqlQuery& query) {
    if (!query.exec()) error = query.lastError();
  };

  std::visit(
      [&](const auto& e) {
        using Entry = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<Entry, CampaignBegan>) {
          const QVariant id = campaignId(e.campaign, e.course);
          if (!id.isValid()) return;
          s.began.addBindValue(e.course);
          s.began.addBindValue(QVariant::fromValue<qint64>(when));
          for (const int purse : e.purses) s.began.addBindValue(purse);
          s.began.addBindValue(id);
          run(s.began);
        } else if constexpr (std::is_same_v<Entry, GameFinished>) {
          const QVariant id = campaignId(e.campaign, e.course);
          if (!id.isValid()) return;
          QSqlQuery& q = s.game;
          q.addBindValue(id);
          q.addBindValue(QVariant::fromValue<qint64>(when));
          q.addBindValue(e.city);
          q.addBindValue(Text(e.cityName));
          q.addBindValue(e.gameNo);
          q.addBindValue(e.jokers);
          q.addBindValue(e.resultKind);
          q.addBindValue(e.resultSeat);
          q.addBindValue(e.payerSeat);
          for (const SeatOutcome& seat : e.seats) q.addBindValue(seat.payment);
          for (const SeatOutcome& seat : e.seats) q.addBindValue(seat.purse);
          q.addBindValue(e.pendingPool);
          q.addBindValue(e.turns);
          int reachSeats = 0;
          for (int seat = 0; seat < kSeats; ++seat)
            if (e.seats[seat].reach) reachSeats |= 1 << seat;
          q.addBindValue(reachSeats);
          for (const SeatOutcome& seat : e.seats) q.addBindValue(seat.calls);
          run(q);
        } else if constexpr (std::is_same_v<Entry, CityConquered>) {
          const QVariant id = campaignId(e.campaign, QVariant());
          if (!id.isValid()) return;
          s.conquest.addBindValue(id);
          s.conquest.addBindValue(QVariant::fromValue<qint64>(when));
          s.conquest.addBindValue(e.city);
          s.conquest.addBindValue(Text(e.cityName));
          run(s.conquest);
        } else {
          const QVariant id = campaignId(e.campaign, QVariant());
          if (!id.isValid()) return;
          s.ended.addBindValue(QVariant::fromValue<qint64>(when));
          s.ended.addBindValue(static_cast<int>(e.how));
          s.ended.addBindValue(id);
          run(s.ended);
        }
      },
      entry);

  if (error.type() == QSqlError::NoError && !db.commit()) error = db.lastError();
  if (error.type() != QSqlError::NoError) db.rollback();
  return error;
}

}  // namespace tolva
