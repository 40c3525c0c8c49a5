// The chronicle window ("戦績"): a campaign's story from its database. Four
// pages: an overview (games, wins, the Tolva and Reach success of each seat,
// the king's best and worst games and his streaks), the king's purse game by
// game with the conquered cities marked, the wins by seat and the results by
// kind as bars, and the cities with the dates they fell. The campaign under
// way is shown first; any other, or all of them, can be chosen. The shown
// games export as CSV.
//
// It does not hold up the game: the program opens it from the help menu's
// "戦績(&C)" or F12 beside the table and reloads it as each game is recorded.
// `TolvaGame --chronicle FILE` shows it alone on any chronicle file. Every
// part is reached from the keyboard: Alt+A the campaign, Ctrl+Tab or Alt+1 …
// Alt+4 the pages, Alt+E the export, Escape or Alt+C closes.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "chronicle/ChronicleData.h"
#include "chronicle/ChronicleFigures.h"
#include "chronicle/ChronicleRead.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTreeWidget;

namespace tolva {

class ChartView;

class ChronicleWindow : public QDialog {
  Q_OBJECT

 public:
  // `path` the chronicle's file; `currentCampaign` gives the key of the
  // campaign under way (empty between campaigns), shown first.
  ChronicleWindow(QString path, std::function<QString()> currentCampaign,
                  QWidget* parent = nullptr);
  ~ChronicleWindow() override;

  // Reads the file again, keeping the campaign chosen (the campaign under
  // way when the window opens afresh).
  void Reload();
  // Shows campaign `key`, or all campaigns for an empty key.
  void ShowCampaign(const QString& key);
  // Writes the shown games as CSV; false (and nothing half-written left
  // behind) when the file cannot be written.
  bool ExportTo(const QString& file);

  // What is shown, for tests.
  const ChronicleData& Data() const { return data_; }
  const ChronicleFigures& Figures() const { return figures_; }
  QString ShownCampaign() const;  // empty: all
  QString ReadError() const { return readError_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // What was read for campaign `key` (empty: all), shown.
  void Show(ChronicleReading reading, const QString& key);
  void BuildCampaignChoice();
  void Fill();
  void FillOverview();
  void FillCharts();
  void FillCities();
  void ChooseExportFile();

  QString path_;
  std::function<QString()> currentCampaign_;
  ChronicleData data_;
  ChronicleFigures figures_;
  QString readError_;
  bool opened_ = false;  // shown once: later showings keep the choice

  QComboBox* campaigns_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QLabel* games_ = nullptr;
  QTableWidget* seats_ = nullptr;
  QLabel* best_ = nullptr;
  QLabel* worst_ = nullptr;
  QLabel* longestWins_ = nullptr;
  QLabel* longestLosses_ = nullptr;
  QLabel* streak_ = nullptr;
  ChartView* glance_ = nullptr;  // the purse on the overview
  ChartView* purse_ = nullptr;
  ChartView* bySeat_ = nullptr;
  ChartView* byKind_ = nullptr;
  QTreeWidget* cities_ = nullptr;
  QPushButton* export_ = nullptr;
};

}  // namespace tolva
