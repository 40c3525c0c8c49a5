#include "dialogs/ChronicleWindow.h"

#include <variant>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/ChronicleCharts.h"
#include "dialogs/ChronicleCsv.h"
#include "dialogs/ChronicleText.h"
#include "dialogs/DialogPictures.h"
#include "res/ChronicleTexts.h"
#include "res/StringTable.h"

namespace tolva {

namespace text = chronicle_text;

// A chart filling its widget, painted afresh at whatever size and pixel
// ratio the widget has.
class ChartView : public QWidget {
 public:
  explicit ChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }
  void Show(std::variant<LineChart, BarChart> chart) {
    chart_ = std::move(chart);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRectF area = rect();
    std::visit(
        [&](const auto& chart) {
          if constexpr (std::is_same_v<std::decay_t<decltype(chart)>, LineChart>) {
            PaintLineChart(painter, area, chart);
          } else {
            PaintBarChart(painter, area, chart);
          }
        },
        chart_);
  }

 private:
  std::variant<LineChart, BarChart> chart_;
};

namespace {

constexpr QSize kStartSize(780, 580);
constexpr QSize kSmallestSize(520, 400);

enum SeatColumn { kName, kWins, kTolva, kReach, kCalls, kSeatColumns };

constexpr int kRowPadding = 8;  // pixels above and below a line of the lists
constexpr int kColumnGap = 20;

int RowHeight(const QWidget& list) { return list.fontMetrics().height() + kRowPadding; }

QString RateText(const SuccessRate& rate) {
  const auto share = rate.Share();
  if (!share) return Tr(text_context::kChronicle, text::kNoRate);
  return Tr(text_context::kChronicle, text::kRateValue).arg(rate.successes).arg(rate.tries).arg(*share * 100, 0, 'f', 1);
}

QString CampaignItemText(const CampaignRow& campaign, std::size_t index) {
  const QString first =
      campaign.began ? DateText(*campaign.began) : Tr(text_context::kChronicle, text::kCampaignBeforeChronicle);
  const QString last = campaign.ended ? DateText(*campaign.ended) : Tr(text_context::kChronicle, text::kCampaignUnderWay);
  return Tr(text_context::kChronicle, text::kCampaignItem)
      .arg(static_cast<qulonglong>(index) + 1)
      .arg(QtText(CourseName(campaign.course.value_or(1))), first, last);
}

QLabel* ValueLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

}  // namespace

ChronicleWindow::ChronicleWindow(QString path, std::function<QString()> currentCampaign,
                                 QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      path_(std::move(path)),
      currentCampaign_(std::move(currentCampaign)) {
  setWindowTitle(Tr(text_context::kChronicle, text::kTitle));
  setWindowIcon(ApplicationIcon());
  setFont(ProportionalDialogFont());
  resize(kStartSize);
  setMinimumSize(kSmallestSize);

  auto* campaignLabel = new QLabel(Tr(text_context::kChronicle, text::kCampaignLabel), this);
  campaigns_ = new QComboBox(this);
  campaigns_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  campaignLabel->setBuddy(campaigns_);
  connect(campaigns_, &QComboBox::activated, this,
          [this] { ShowCampaign(campaigns_->currentData().toString()); });
  export_ = new QPushButton(Tr(text_context::kChronicle, text::kExportButton), this);
  export_->setAutoDefault(false);
  connect(export_, &QPushButton::clicked, this, &ChronicleWindow::ChooseExportFile);
  auto* top = new QHBoxLayout;
  top->addWidget(campaignLabel);
  top->addWidget(campaigns_, 1);
  top->addWidget(export_);

  // The overview.
  auto* overview = new QWidget(this);
  games_ = ValueLabel(overview);
  seats_ = new QTableWidget(kSeats, kSeatColumns, overview);
  seats_->setHorizontalHeaderLabels({Tr(text_context::kChronicle, text::kSeatColumn), Tr(text_context::kChronicle, text::kWinsColumn),
                                     Tr(text_context::kChronicle, text::kTolvaColumn), Tr(text_context::kChronicle, text::kReachColumn),
                                     Tr(text_context::kChronicle, text::kCallsColumn)});
  seats_->verticalHeader()->hide();
  seats_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  seats_->setSelectionMode(QAbstractItemView::NoSelection);
  seats_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  seats_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::ResizeToContents);
  seats_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  seats_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  best_ = ValueLabel(overview);
  worst_ = ValueLabel(overview);
  longestWins_ = ValueLabel(overview);
  longestLosses_ = ValueLabel(overview);
  streak_ = ValueLabel(overview);
  for (QLabel* label : {longestWins_, longestLosses_, streak_}) label->setToolTip(Tr(text_context::kChronicle, text::kStreakNote));
  // Named for the tests and for screen readers' object trees.
  games_->setObjectName(QStringLiteral("games"));
  best_->setObjectName(QStringLiteral("best"));
  worst_->setObjectName(QStringLiteral("worst"));
  streak_->setObjectName(QStringLiteral("streak"));
  auto* form = new QFormLayout;
  form->addRow(Tr(text_context::kChronicle, text::kGamesLabel), games_);
  form->addRow(Tr(text_context::kChronicle, text::kBestGameLabel), best_);
  form->addRow(Tr(text_context::kChronicle, text::kWorstGameLabel), worst_);
  form->addRow(Tr(text_context::kChronicle, text::kLongestWinsLabel), longestWins_);
  form->addRow(Tr(text_context::kChronicle, text::kLongestLossesLabel), longestLosses_);
  form->addRow(Tr(text_context::kChronicle, text::kCurrentStreakLabel), streak_);
  // The purse's course below the figures, where a glance finds it; its own
  // page shows it large.
  glance_ = new ChartView(overview);
  auto* overviewLayout = new QVBoxLayout(overview);
  overviewLayout->addWidget(seats_);
  overviewLayout->addLayout(form);
  overviewLayout->addWidget(glance_, 1);

  purse_ = new ChartView(this);
  auto* wins = new QWidget(this);
  bySeat_ = new ChartView(wins);
  byKind_ = new ChartView(wins);
  auto* winsLayout = new QVBoxLayout(wins);
  winsLayout->setContentsMargins(0, 0, 0, 0);
  winsLayout->addWidget(bySeat_, 5);
  winsLayout->addWidget(byKind_, 8);

  cities_ = new QTreeWidget(this);
  cities_->setHeaderLabels({Tr(text_context::kChronicle, text::kCityNumberColumn), Tr(text_context::kChronicle, text::kCityColumn),
                            Tr(text_context::kChronicle, text::kConqueredColumn), Tr(text_context::kChronicle, text::kCampaignColumn)});
  cities_->setRootIsDecorated(false);
  cities_->setUniformRowHeights(true);
  cities_->setAlternatingRowColors(true);

  pages_ = new QTabWidget(this);
  pages_->addTab(overview, Tr(text_context::kChronicle, text::kOverviewTab));
  pages_->addTab(purse_, Tr(text_context::kChronicle, text::kPurseTab));
  pages_->addTab(wins, Tr(text_context::kChronicle, text::kWinsTab));
  pages_->addTab(cities_, Tr(text_context::kChronicle, text::kCitiesTab));  // Alt+1 … Alt+4 by their mnemonics

  auto* close = new QPushButton(Tr(text_context::kChronicle, text::kCloseButton), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pages_, 1);
  layout->addLayout(bottom);
  setTabOrder(campaigns_, export_);
  setTabOrder(export_, pages_);
  setTabOrder(pages_, close);
}

ChronicleWindow::~ChronicleWindow() = default;

void ChronicleWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window manager's, after a minimise
  // Each opening begins with the campaign under way.
  opened_ = false;
  Reload();
  opened_ = true;
  campaigns_->setFocus();
}

QString ChronicleWindow::ShownCampaign() const { return campaigns_->currentData().toString(); }

void ChronicleWindow::Reload() {
  if (opened_) {
    ShowCampaign(ShownCampaign());
    return;
  }
  const QString current = currentCampaign_ ? currentCampaign_() : QString();
  ChronicleReading reading = ReadChronicle(path_, current);
  const auto& campaigns = reading.data.campaigns;
  const bool known = std::any_of(campaigns.begin(), campaigns.end(), [&](const CampaignRow& c) {
    return QString::fromStdString(c.key) == current;
  });
  if (!reading.ok || known || campaigns.empty()) return Show(std::move(reading), current);
  // No game of the campaign under way yet (or none under way): the latest
  // campaign the chronicle knows.
  const QString latest = QString::fromStdString(campaigns.back().key);
  Show(ReadChronicle(path_, latest), latest);
}

void ChronicleWindow::ShowCampaign(const QString& key) { Show(ReadChronicle(path_, key), key); }

void ChronicleWindow::Show(ChronicleReading reading, const QString& key) {
  data_ = std::move(reading.data);
  readError_ = reading.ok ? QString() : reading.error;
  BuildCampaignChoice();
  campaigns_->setCurrentIndex(std::max(0, campaigns_->findData(key)));
  Fill();
}

void ChronicleWindow::BuildCampaignChoice() {
  const QSignalBlocker quiet(campaigns_);
  campaigns_->clear();
  // The latest first; "all" last.
  for (std::size_t i = data_.campaigns.size(); i-- > 0;)
    campaigns_->addItem(CampaignItemText(data_.campaigns[i], i), QString::fromStdString(data_.campaigns[i].key));
  campaigns_->addItem(Tr(text_context::kChronicle, text::kAllCampaigns), QString());
}

void ChronicleWindow::Fill() {
  figures_ = FiguresOf(data_);
  export_->setEnabled(!data_.games.empty());
  FillOverview();
  FillCharts();
  FillCities();
}

void ChronicleWindow::FillOverview() {
  const ChronicleFigures& f = figures_;
  if (!readError_.isEmpty()) {
    games_->setText(Tr(text_context::kChronicle, text::kReadFailed).arg(readError_));
  } else if (f.games == 0) {
    games_->setText(Tr(text_context::kChronicle, text::kNoGames));
  } else {
    games_->setText(Tr(text_context::kChronicle, text::kGamesValue)
                        .arg(f.games)
                        .arg(f.drawn)
                        .arg(static_cast<double>(f.turns) / f.games, 0, 'f', 1));
  }
  for (int seat = 0; seat < kSeats; ++seat) {
    const SeatFigures& s = f.seats[seat];
    const QString cells[kSeatColumns] = {QtText(SeatName(seat)), QString::number(s.wins),
                                         RateText(s.tolva), RateText(s.reach), QString::number(s.calls)};
    for (int column = 0; column < kSeatColumns; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(column == kName ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      seats_->setItem(seat, column, item);
    }
  }
  // Exactly as tall as its rows: the room below is the chart's.
  int height = seats_->horizontalHeader()->sizeHint().height() + 2 * seats_->frameWidth();
  for (int row = 0; row < seats_->rowCount(); ++row) {
    seats_->setRowHeight(row, RowHeight(*seats_));
    height += seats_->rowHeight(row);
  }
  seats_->setFixedHeight(height);
  auto gameText = [&](const std::optional<KingsGame>& game) {
    if (!game) return Tr(text_context::kChronicle, text::kNoGame);
    const GameRow& row = data_.games[game->game];
    const QString coins = (game->payment > 0 ? QStringLiteral("+") : QString()) + QString::number(game->payment);
    return Tr(text_context::kChronicle, text::kGameValue)
        .arg(DateTimeText(row.played), Tr(text_context::kCityNames, row.game.cityName))
        .arg(row.game.gameNo)
        .arg(ResultText(row.game), coins);
  };
  best_->setText(gameText(f.best));
  worst_->setText(gameText(f.worst));
  longestWins_->setText(Tr(text_context::kChronicle, text::kStreakValue).arg(f.longestWinningStreak));
  longestLosses_->setText(Tr(text_context::kChronicle, text::kStreakValue).arg(f.longestLosingStreak));
  streak_->setText(f.currentStreak > 0   ? Tr(text_context::kChronicle, text::kWinningNow).arg(f.currentStreak)
                   : f.currentStreak < 0 ? Tr(text_context::kChronicle, text::kLosingNow).arg(-f.currentStreak)
                                         : Tr(text_context::kChronicle, text::kNoStreak));
}

void ChronicleWindow::FillCharts() {
  LineChart purse = PurseChart(data_, figures_);
  if (!readError_.isEmpty()) purse.emptyText = Tr(text_context::kChronicle, text::kReadFailed).arg(readError_);
  glance_->Show(purse);
  purse_->Show(std::move(purse));
  bySeat_->Show(WinsBySeatChart(figures_));
  byKind_->Show(ResultsChart(figures_));
}

void ChronicleWindow::FillCities() {
  cities_->clear();
  for (const ConquestRow& conquest : data_.conquests) {
    auto* item = new QTreeWidgetItem(cities_);
    item->setText(0, QString::number(conquest.city));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(1, Tr(text_context::kCityNames, conquest.cityName));
    item->setText(2, DateTimeText(conquest.conquered));
    item->setText(3, CampaignNumberText(conquest.campaign));
    item->setSizeHint(0, QSize(0, RowHeight(*cities_)));
  }
  if (data_.conquests.empty()) {
    auto* item = new QTreeWidgetItem(cities_);
    item->setText(1, Tr(text_context::kChronicle, text::kNoCities));
    item->setFlags(Qt::NoItemFlags);
  }
  for (int column = 0; column < cities_->columnCount(); ++column) {
    cities_->resizeColumnToContents(column);
    cities_->setColumnWidth(column, cities_->columnWidth(column) + kColumnGap);
  }
}

bool ChronicleWindow::ExportTo(const QString& file) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(ChronicleCsv(data_));
  return out.commit();
}

void ChronicleWindow::ChooseExportFile() {
  const QString file = QFileDialog::getSaveFileName(
      this, Tr(text_context::kChronicle, text::kExportDialogTitle), QDir::home().filePath(Tr(text_context::kChronicle, text::kExportFileName)),
      Tr(text_context::kChronicle, text::kExportFilter));
  if (file.isEmpty() || ExportTo(file)) return;
  QMessageBox box(QMessageBox::Critical, QtText(StringText(kStrAppTitle)),
                  Tr(text_context::kChronicle, text::kExportFailed).arg(file), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace tolva
