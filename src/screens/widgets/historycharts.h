#pragma once
// The promotion's past drawn as two charts: the bank balance, and the popularity and the board's
// rating with every show's overall rating as a point. Hovering a line names its day, hovering a
// point names its show.
#include <QWidget>
#include <vector>

#include "state/history.h"

class QLabel;
QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace rvgui {

class HistoryCharts : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryCharts(QWidget* parent = nullptr);
  // Draws the days and shows of `window` (a span of the history, in date order), keeping it for
  // the hover texts.
  void show_history(rv::History window);
  // What hovering the day or show nearest to `x` (a chart's time) on a chart says.
  QString day_tip(qint64 x, bool balance) const;
  QString show_tip(qint64 x, double rating) const;

 private:
  QChartView* make_view(const QString& object_name, QChart* chart);
  void connect_tips();

  QLabel* empty_;  // stands in for the charts before the first day
  QChartView* money_view_;
  QChartView* figures_view_;
  QChart* money_;
  QChart* figures_;
  QDateTimeAxis* money_time_;
  QDateTimeAxis* figures_time_;
  QValueAxis* balance_axis_;
  QValueAxis* percent_axis_;
  QLineSeries* balance_;
  QLineSeries* popularity_;
  QLineSeries* board_;
  QScatterSeries* shows_;
  // What the charts show, with each point's time, for the hover texts.
  rv::History window_;
  std::vector<qint64> day_times_;
  std::vector<qint64> show_times_;
};

// A chart's time for a full date text (midday, local time); 0 for a text that is not a date.
qint64 chart_time(const std::string& full_date);
// "27 Apr 2007", for a list where the full date would crowd out the rest; the text itself when it
// is not a date.
QString short_date(const std::string& full_date);

}  // namespace rvgui
