#include "screens/shows/resultsscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "promotion/venues.h"
#include "screens/shell/session.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "shows/booking.h"
#include "shows/presentation.h"

namespace rvgui {

ResultsScreen::ResultsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("resultsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  title_ = make_label(QStringLiteral("resultsTitle"), QString(), this);
  title_->setProperty("role", "heading");
  add_shadow(title_);
  outer->addWidget(title_);
  model_ = new GridModel({QStringLiteral("Match"), QStringLiteral("Result"), QStringLiteral("Rating")}, this);
  grid_ = make_grid(QStringLiteral("resultsGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  grid_->setWordWrap(true);
  outer->addWidget(grid_, 1);
  overall_ = make_label(QStringLiteral("overallRating"), QString(), this);
  overall_->setProperty("role", "subheading");
  outer->addWidget(overall_);
  auto* footer = new QHBoxLayout;
  royal_ = make_button(QStringLiteral("royalDetailsButton"), QStringLiteral("Battle Royal Details"), this);
  auto* report = make_button(QStringLiteral("nightReportButton"), QStringLiteral("The Night's Report"), this);
  report->setToolTip(QStringLiteral("Where the money went, the crowd against the hall, and why popularity, the show's rating, "
                                    "the titles and the workers moved tonight."));
  auto* done = make_button(QStringLiteral("resultsContinueButton"), QStringLiteral("Continue"), this);
  set_default_button(done);
  done->setProperty("role", "main");
  footer->addWidget(royal_);
  footer->addWidget(report);
  footer->addStretch(1);
  footer->addWidget(done);
  outer->addLayout(footer);
  connect(royal_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::royal_details); });
  connect(report, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::report); });
  connect(done, &QPushButton::clicked, this, &ResultsScreen::finish);
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) { show_rating_terms(i.row()); });
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& i) { show_rating_terms(i.row()); });
}

namespace {

// "Match Rating: 72%" over the terms that made it, one a line.
QString rating_terms_text(const rv::ResultBlock& b) {
  QStringList lines{qs(b.rating)};
  for (const auto& t : b.rating_terms) lines << qs(t);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

void ResultsScreen::show_rating_terms(int row) {
  const rv::ShowPresentation* p = session_.presentation.get();
  const QVariant ref = model_->index(row, 0).data(GridModel::ref_role);
  if (!p || !ref.isValid()) return;
  const auto k = ref.toULongLong();
  if (k >= p->results.size() || p->results[k].rating_terms.empty()) return;
  session_.dialogs.info(rating_terms_text(p->results[k]), qs(p->results[k].heading));
}

void ResultsScreen::enter() {
  const rv::ShowPresentation* p = session_.presentation.get();
  std::vector<GridModel::Row> rows;
  std::vector<QString> tips;
  if (p) {
    title_->setText(qs(p->results_title));
    for (std::size_t k = 0; k < p->results.size(); ++k) {
      const rv::ResultBlock& b = p->results[k];
      // A match's rows open the terms of its rating, when they are known.
      const QVariant ref = b.rating_terms.empty() ? QVariant() : QVariant(static_cast<qulonglong>(k));
      const QString tip = b.rating_terms.empty() ? QString() : rating_terms_text(b);
      rows.push_back({{{qs(b.heading), {}, true}, {qs(b.match), {}, true}, {}}, ref});
      rows.push_back({{{}, {qs(b.result)}, {qs(b.rating)}}, ref});
      tips.insert(tips.end(), 2, tip);
    }
    overall_->setText(qs(p->overall_text));
  } else {
    title_->setText(QStringLiteral("Results"));
    overall_->clear();
  }
  model_->set_rows(std::move(rows));
  model_->set_tips(std::move(tips));
  royal_->setVisible(p && !p->battle_royal_details.empty());
}

void ResultsScreen::finish() {
  if (session_.presentation && session_.presentation->archived) {  // a past show, opened from the history
    session_.presentation.reset();
    navigator_.back();
    return;
  }
  session_.presentation.reset();
  session_.booking.reset();
  session_.booked_show.reset();
  navigator_.restart_at(screen_name::main);
}

}  // namespace rvgui
