#include "screens/promotion/generalinfoscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"

namespace rvgui {

namespace {

// One of `choices`, or nothing with `none_message` shown when there is nothing to choose.
std::optional<std::string> choose_from(Dialogs& dialogs, std::string_view question, const std::vector<std::string>& choices,
                                       const QString& none_message) {
  if (choices.empty()) {
    dialogs.info(none_message);
    return std::nullopt;
  }
  return ask_game_choice(dialogs, qs(question), choices);
}

const QString no_workers = QStringLiteral("There is nobody on your roster to choose.");

}  // namespace

GeneralInfoScreen::GeneralInfoScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("generalInfoScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("generalInfoHeading"), QStringLiteral("General Info"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  auto* hint = make_label(QStringLiteral("generalInfoHintLabel"),
                          QStringLiteral("Click a highlighted row to change it"), this);
  hint->setProperty("role", "subheading");
  add_shadow(hint);
  outer->addWidget(heading);
  outer->addWidget(hint);

  model_ = new GridModel({QStringLiteral("Heading"), QStringLiteral("Value")}, this);
  grid_ = make_grid(QStringLiteral("generalInfoGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->verticalHeader()->setDefaultSectionSize(34);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  records_ = make_button(QStringLiteral("recordsButton"), QStringLiteral("Records"), this);
  rankings_ = make_button(QStringLiteral("rankingsButton"), QStringLiteral("Promotion Rankings"), this);
  back_ = make_button(QStringLiteral("generalInfoBackButton"), QStringLiteral("Back To Main Menu"), this);
  footer->addWidget(records_);
  footer->addWidget(rankings_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  const auto open = [this](const QModelIndex& index) { open_row(model_row(grid_, index.row())); };
  connect(grid_, &QTableView::clicked, this, open);
  connect(grid_, &QTableView::activated, this, open);
  connect(records_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::records); });
  connect(rankings_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::rankings); });
  connect(back_, &QPushButton::clicked, this, &GeneralInfoScreen::go_back);
}

void GeneralInfoScreen::enter() { fill(); }

void GeneralInfoScreen::fill() {
  rows_ = session_.game ? rv::general_info(session_.game->store) : std::vector<rv::InfoRow>{};
  std::vector<GridModel::Row> rows;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const bool clickable = rows_[i].action != rv::InfoAction::none;
    rows.push_back({{{qs(rows_[i].heading), {}, true}, {qs(rows_[i].value), {}, false, clickable}},
                    static_cast<qulonglong>(i)});
  }
  model_->set_rows(std::move(rows));
}

void GeneralInfoScreen::open_row(int row) {
  if (!session_.game || row < 0 || row >= static_cast<int>(rows_.size())) return;
  const rv::InfoRow info = rows_[static_cast<std::size_t>(row)];
  if (info.action == rv::InfoAction::brand) change_brand(info.slot);
  if (info.action == rv::InfoAction::power_figure) change_power_figure(info.slot);
  if (info.action == rv::InfoAction::talk_show) change_talk_show(info.slot);
  fill();
}

void GeneralInfoScreen::report(const rv::Status& status) {
  if (!status) session_.dialogs.info(qs(status.error()));
}

void GeneralInfoScreen::change_brand(std::size_t brand) {
  rv::Store& s = session_.game->store;
  const auto player = s.player_index();
  if (!player) return;
  const auto name = ask_game_text(session_.dialogs, qs(rv::brand_name_question(brand)),
                                  qs(rv::brand_name(s, *player, brand)));
  if (name) report(rv::set_brand_name(s, *player, brand, *name));
}

void GeneralInfoScreen::change_power_figure(std::size_t slot) {
  rv::Store& s = session_.game->store;
  const auto player = s.player_index();
  if (!player) return;
  if (!session_.dialogs.ask(qs(rv::power_figure_question))) {
    report(rv::clear_power_figure(s, *player, slot));
    return;
  }
  const auto worker = choose_from(session_.dialogs, rv::power_figure_choice_question, rv::staff_candidates(s, *player), no_workers);
  if (!worker) return;
  const auto title = ask_game_text(session_.dialogs, qs(rv::job_title_question), qs(rv::default_job_title));
  if (title) report(rv::set_power_figure(s, *player, slot, *worker, *title));
}

void GeneralInfoScreen::change_talk_show(std::size_t slot) {
  rv::Store& s = session_.game->store;
  const auto player = s.player_index();
  if (!player) return;
  if (!session_.dialogs.ask(qs(rv::talk_show_question))) {
    report(rv::clear_talk_show(s, *player, slot));
    return;
  }
  const auto host = choose_from(session_.dialogs, rv::talk_show_host_question, rv::staff_candidates(s, *player), no_workers);
  if (!host) return;
  const auto name = ask_game_text(session_.dialogs, qs(rv::talk_show_name_question));
  if (!name) return;
  const auto show = choose_from(session_.dialogs, rv::talk_show_show_question, rv::talk_show_shows(s, *player),
                                QStringLiteral("Your promotion has no named show to put the segment on."));
  if (show) report(rv::set_talk_show(s, *player, slot, *name, *host, *show));
}

}  // namespace rvgui
