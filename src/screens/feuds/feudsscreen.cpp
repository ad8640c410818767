#include "screens/feuds/feudsscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "feuds/feuds.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"

namespace rvgui {

namespace {

// The heat bar's fill: orange while the feud is hot, red when it is at boiling point, dark blue
// once it has cooled.
QString bar_style(rv::HeatColour colour) {
  const char* fill = colour == rv::HeatColour::red      ? "#d01f1f"
                     : colour == rv::HeatColour::orange ? "#f08a1c"
                                                        : "#1d3a8a";
  return QStringLiteral("QProgressBar::chunk { background: %1; border-radius: 4px; }").arg(QLatin1String(fill));
}

}  // namespace

FeudsScreen::FeudsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("feudsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* top = new QHBoxLayout;
  auto* heading = make_label(QStringLiteral("feudsHeading"), QStringLiteral("Feuds"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  page_heading_ = make_label(QStringLiteral("feudsPageHeading"), QString(), this);
  page_heading_->setProperty("role", "subheading");
  add_shadow(page_heading_);
  top->addWidget(heading);
  top->addStretch(1);
  top->addWidget(page_heading_);
  outer->addLayout(top);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(16);
  middle->addWidget(build_rows(), 3);
  middle->addWidget(build_choices(), 2);
  outer->addLayout(middle, 1);

  auto* footer = new QHBoxLayout;
  next_ = make_button(QStringLiteral("feudsNextPageButton"), QStringLiteral("Next Page"), this);
  back_ = make_button(QStringLiteral("feudsBackButton"), QStringLiteral("Back To Main Menu"), this);
  footer->addWidget(next_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(next_, &QPushButton::clicked, this, &FeudsScreen::next_page);
  connect(back_, &QPushButton::clicked, this, &FeudsScreen::go_back);
}

QWidget* FeudsScreen::build_rows() {
  auto* panel = make_panel(QStringLiteral("feudsPanel"), this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(20, 16, 20, 16);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(18);
  for (int i = 0; i < static_cast<int>(rv::feud::slots_per_page); ++i) {
    auto* row = make_button(QStringLiteral("feudRow%1").arg(i), QString(), panel);
    row->setMinimumHeight(56);
    auto* bar = new QProgressBar(panel);
    bar->setObjectName(QStringLiteral("feudHeatBar%1").arg(i));
    bar->setRange(0, 100);
    bar->setFormat(QStringLiteral("%p%"));
    bar->setMinimumWidth(160);
    bar->setMinimumHeight(28);
    auto policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
    rows_[static_cast<std::size_t>(i)] = row;
    bars_[static_cast<std::size_t>(i)] = bar;
    grid->addWidget(row, i, 0);
    grid->addWidget(bar, i, 1);
    grid->setRowStretch(i, 1);  // the five rows share the panel's height
    connect(row, &QPushButton::clicked, this, [this, i] { open_row(i); });
  }
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  return panel;
}

QWidget* FeudsScreen::build_choices() {
  auto* panel = make_panel(QStringLiteral("feudsChoicePanel"), this);
  choice_panel_ = panel;
  auto* box = new QVBoxLayout(panel);
  box->setContentsMargins(16, 14, 16, 14);
  choice_caption_ = make_label(QStringLiteral("feudsChoiceCaption"), QString(), panel);
  choice_caption_->setProperty("role", "subheading");
  choice_list_ = new QListWidget(panel);
  choice_list_->setObjectName(QStringLiteral("feudsChoiceList"));
  box->addWidget(choice_caption_);
  box->addWidget(choice_list_, 1);
  connect(choice_list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(item->text()); });
  auto policy = panel->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  panel->setSizePolicy(policy);
  panel->hide();
  return panel;
}

void FeudsScreen::enter() {
  page_ = 1;
  back_->setText(session_.opened_from_booking ? QStringLiteral("Back To Booking") : QStringLiteral("Back To Main Menu"));
  end_start();
  fill();
}

void FeudsScreen::fill() {
  if (!session_.game) return;
  const auto page = rv::feud_page(session_.game->store, page_);
  page_heading_->setText(qs(page.heading));
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const auto& row = page.rows[i];
    rows_[i]->setText(qs(row.text).replace(QLatin1Char('&'), QStringLiteral("&&")));  // a pair's "&" is no shortcut
    bars_[i]->setVisible(row.running);
    bars_[i]->setValue(static_cast<int>(row.heat));
    bars_[i]->setStyleSheet(bar_style(row.colour));
  }
}

void FeudsScreen::next_page() {
  page_ = page_ % rv::feud_pages + 1;
  fill();
}

void FeudsScreen::open_row(int row) {
  if (!session_.game || row < 0 || row >= static_cast<int>(rows_.size())) return;
  rv::Store& s = session_.game->store;
  const std::size_t slot = static_cast<std::size_t>(page_ - 1) * rv::feud::slots_per_page + static_cast<std::size_t>(row);
  if (rv::feud_running(s, slot)) {
    end_start();
    if (session_.dialogs.ask(qs(rv::feud_details_text(s, slot)))) rv::end_feud(s, slot);
    fill();
    return;
  }
  if (starting()) return;  // the list already asks for the feud that goes here
  auto begun = rv::FeudStart::begin(s);
  if (!begun) {
    session_.dialogs.info(qs(begun.error()));
    return;
  }
  start_ = std::make_unique<rv::FeudStart>(std::move(*begun));
  show_choices();
}

void FeudsScreen::show_choices() {
  choice_caption_->setText(qs(start_->prompt()));
  choice_list_->clear();
  for (const auto& c : start_->choices()) choice_list_->addItem(qs(c));
  choice_list_->addItem(qs(rv::feud_cancel_choice));
  choice_panel_->show();
}

void FeudsScreen::choose(const QString& text) {
  if (!session_.game || !starting()) return;
  const auto status = start_->choose(session_.game->store, to_cp1252_lossy(text));
  if (!status) session_.dialogs.info(qs(status.error()));
  if (start_->open()) {
    show_choices();
    return;
  }
  end_start();
  fill();
}

void FeudsScreen::end_start() {
  start_.reset();
  choice_list_->clear();
  choice_panel_->hide();
}

bool FeudsScreen::escape_inner() {
  if (!starting()) return false;
  end_start();
  return true;
}

}  // namespace rvgui
