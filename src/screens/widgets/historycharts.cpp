#include "screens/widgets/historycharts.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "screens/widgets/cp1252.h"
#include "state/date.h"
#include "state/text.h"

namespace rvgui {

namespace {

constexpr qint64 day_ms = 24LL * 60 * 60 * 1000;
const QColor gold(0xf5, 0xc5, 0x42);
const QColor ink(0xf2, 0xed, 0xe1);
const QColor grid_line(0x2f, 0x35, 0x48);

QDateTimeAxis* time_axis(QChart* chart) {
  auto* axis = new QDateTimeAxis(chart);
  axis->setFormat(QStringLiteral("MMM yyyy"));
  axis->setTickCount(6);
  axis->setLabelsColor(ink);
  axis->setGridLineColor(grid_line);
  chart->addAxis(axis, Qt::AlignBottom);
  return axis;
}

QValueAxis* value_axis(QChart* chart, const QString& format) {
  auto* axis = new QValueAxis(chart);
  axis->setLabelFormat(format);
  axis->setLabelsColor(ink);
  axis->setGridLineColor(grid_line);
  chart->addAxis(axis, Qt::AlignLeft);
  return axis;
}

QChart* dark_chart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setTitleBrush(gold);
  chart->setTitleFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
  chart->setBackgroundBrush(QColor(10, 12, 20, 215));
  chart->setBackgroundPen(QPen(QColor(0x3a, 0x40, 0x58)));
  chart->setBackgroundRoundness(6);
  chart->legend()->setLabelColor(ink);
  chart->legend()->setAlignment(Qt::AlignTop);
  chart->setMargins(QMargins(6, 4, 10, 4));
  return chart;
}

template <class Series>
Series* add_series(QChart* chart, const QString& name, const QColor& colour, QDateTimeAxis* x, QValueAxis* y) {
  auto* s = new Series(chart);
  s->setName(name);
  s->setColor(colour);
  chart->addSeries(s);
  s->attachAxis(x);
  s->attachAxis(y);
  return s;
}

// The index of the time in `times` (sorted) nearest to `x`; times must not be empty.
std::size_t nearest(const std::vector<qint64>& times, qint64 x) {
  const auto at = std::lower_bound(times.begin(), times.end(), x);
  if (at == times.end()) return times.size() - 1;
  const auto i = static_cast<std::size_t>(at - times.begin());
  if (i > 0 && x - times[i - 1] < *at - x) return i - 1;
  return i;
}

}  // namespace

qint64 chart_time(const std::string& full_date) {
  const auto d = rv::parse_full_date(full_date);
  if (!d) return 0;
  // Midday on the player's own clock, so the axis, which names local days, names this one.
  return QDateTime(QDate(d->year, d->month + 1, d->day), QTime(12, 0)).toMSecsSinceEpoch();
}

QString short_date(const std::string& full_date) {
  const qint64 t = chart_time(full_date);
  if (t == 0) return qs(full_date);
  return QDateTime::fromMSecsSinceEpoch(t).date().toString(QStringLiteral("d MMM yyyy"));
}

HistoryCharts::HistoryCharts(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("historyCharts"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(8);
  money_ = dark_chart(QStringLiteral("Bank Balance"));
  money_time_ = time_axis(money_);
  balance_axis_ = value_axis(money_, QStringLiteral("$%.0f"));
  balance_ = add_series<QLineSeries>(money_, QStringLiteral("Balance"), gold, money_time_, balance_axis_);
  money_->legend()->hide();
  figures_ = dark_chart(QStringLiteral("Popularity, Board and Shows"));
  figures_time_ = time_axis(figures_);
  percent_axis_ = value_axis(figures_, QStringLiteral("%d%%"));
  percent_axis_->setRange(0, 100);
  popularity_ = add_series<QLineSeries>(figures_, QStringLiteral("Popularity"), QColor(0x5f, 0xa8, 0xff), figures_time_, percent_axis_);
  board_ = add_series<QLineSeries>(figures_, QStringLiteral("Board"), QColor(0x6f, 0xd3, 0x8a), figures_time_, percent_axis_);
  shows_ = add_series<QScatterSeries>(figures_, QStringLiteral("Shows"), QColor(0xff, 0x8c, 0x3a), figures_time_, percent_axis_);
  shows_->setMarkerSize(8);
  shows_->setBorderColor(QColor(0x1a, 0x14, 0x05));
  empty_ = new QLabel(QStringLiteral("Nothing to draw yet: the charts start with the first day played."), this);
  empty_->setObjectName(QStringLiteral("historyEmpty"));
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setProperty("role", "subheading");
  layout->addWidget(empty_, 1);
  money_view_ = make_view(QStringLiteral("balanceChart"), money_);
  figures_view_ = make_view(QStringLiteral("figuresChart"), figures_);
  layout->addWidget(money_view_, 1);
  layout->addWidget(figures_view_, 1);
  connect_tips();
}

QChartView* HistoryCharts::make_view(const QString& object_name, QChart* chart) {
  auto* view = new QChartView(chart, this);
  view->setObjectName(object_name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setStyleSheet(QStringLiteral("background: transparent;"));
  view->setMinimumHeight(150);
  return view;
}

void HistoryCharts::connect_tips() {
  const auto tip = [](const QString& text, bool state) {
    if (state && !text.isEmpty()) QToolTip::showText(QCursor::pos(), text);
    else QToolTip::hideText();
  };
  connect(balance_, &QLineSeries::hovered, this,
          [this, tip](const QPointF& p, bool state) { tip(day_tip(static_cast<qint64>(p.x()), true), state); });
  connect(popularity_, &QLineSeries::hovered, this,
          [this, tip](const QPointF& p, bool state) { tip(day_tip(static_cast<qint64>(p.x()), false), state); });
  connect(board_, &QLineSeries::hovered, this,
          [this, tip](const QPointF& p, bool state) { tip(day_tip(static_cast<qint64>(p.x()), false), state); });
  connect(shows_, &QScatterSeries::hovered, this,
          [this, tip](const QPointF& p, bool state) { tip(show_tip(static_cast<qint64>(p.x()), p.y()), state); });
}

void HistoryCharts::show_history(rv::History window) {
  window_ = std::move(window);
  const auto& days = window_.days;
  day_times_.clear();
  show_times_.clear();
  QList<QPointF> balance, popularity, board, shows;
  double low = days.empty() ? 0.0 : static_cast<double>(days.front().balance), high = low;
  for (const auto& d : days) {
    const qint64 t = chart_time(d.date);
    day_times_.push_back(t);
    const auto x = static_cast<double>(t);
    balance.append({x, static_cast<double>(d.balance)});
    popularity.append({x, static_cast<double>(d.popularity)});
    board.append({x, static_cast<double>(d.board)});
    low = std::min(low, static_cast<double>(d.balance));
    high = std::max(high, static_cast<double>(d.balance));
  }
  for (const auto& s : window_.shows) {
    const qint64 t = chart_time(s.date);
    show_times_.push_back(t);
    shows.append({static_cast<double>(t), static_cast<double>(s.overall)});
  }
  popularity_->replace(popularity);
  board_->replace(board);
  shows_->replace(shows);
  qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
  for (const auto* times : {&day_times_, &show_times_}) {
    if (times->empty()) continue;
    first = std::min(first, times->front());
    last = std::max(last, times->back());
  }
  const bool empty = first > last;
  empty_->setVisible(empty);
  money_view_->setVisible(!empty);
  figures_view_->setVisible(!empty);
  if (empty) {
    balance_->clear();
    return;
  }
  // The ticks stand on whole days: the span is stretched to a whole number of days between each.
  const qint64 span_days = std::max<qint64>(1, (last - first + day_ms - 1) / day_ms);
  const int gaps = static_cast<int>(std::min<qint64>(span_days, 5));
  last = first + (span_days + gaps - 1) / gaps * gaps * day_ms;
  // Months name the ticks of a long stretch; days those of a short one.
  const bool long_stretch = last - first > 300 * day_ms;
  for (auto* axis : {money_time_, figures_time_}) {
    axis->setFormat(long_stretch ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM"));
    axis->setTickCount(gaps + 1);
    axis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
  }
  // Large balances are drawn in thousands or millions, so the axis reads at a glance.
  const double largest = std::max(std::abs(low), std::abs(high));
  const double unit = largest >= 1e6 ? 1e6 : largest >= 1e4 ? 1e3 : 1.0;
  if (unit != 1.0) {
    for (auto& p : balance) p.setY(p.y() / unit);
  }
  balance_axis_->setLabelFormat(unit == 1e6 ? QStringLiteral("$%.1fM") : unit == 1e3 ? QStringLiteral("$%.0fk") : QStringLiteral("$%.0f"));
  balance_->replace(balance);
  const double pad = std::max(1000.0 / unit, (high - low) / unit * 0.05);
  balance_axis_->setRange(low / unit - pad, high / unit + pad);
  balance_axis_->applyNiceNumbers();
}

QString HistoryCharts::day_tip(qint64 x, bool balance) const {
  if (day_times_.empty()) return {};
  const auto& d = window_.days[nearest(day_times_, x)];
  if (balance) return QStringLiteral("%1\nBalance: %2").arg(qs(d.date), qs(rv::money_text(d.balance)));
  return QStringLiteral("%1\nPopularity: %2%\nBoard: %3%").arg(qs(d.date)).arg(d.popularity).arg(d.board);
}

QString HistoryCharts::show_tip(qint64 x, double rating) const {
  if (show_times_.empty()) return {};
  // Two shows on one day stand at one time: the one whose rating was hovered.
  std::size_t best = nearest(show_times_, x);
  const auto& shows = window_.shows;
  for (std::size_t i = 0; i < shows.size(); ++i) {
    if (show_times_[i] == show_times_[best] && std::abs(static_cast<double>(shows[i].overall) - rating) < 0.5) best = i;
  }
  const auto& s = shows[best];
  return QStringLiteral("%1\n%2\nOverall Rating: %3%").arg(qs(s.name), qs(s.date)).arg(s.overall);
}

}  // namespace rvgui
