#include "screens/titles/championshipsscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "titles/championships.h"
#include "titles/titles.h"

namespace rvgui {

ChampionshipsScreen::ChampionshipsScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("championshipsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("championshipsHeading"), QStringLiteral("Championships"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  mode_label_ = make_label(QStringLiteral("championshipsModeLabel"), QString(), this);
  mode_label_->setProperty("role", "subheading");
  add_shadow(mode_label_);
  outer->addWidget(heading);
  outer->addWidget(mode_label_);

  model_ = new GridModel({QStringLiteral("Slot"), QStringLiteral("Title"), QStringLiteral("Champion(s)"),
                          QStringLiteral("Level")},
                         this);
  grid_ = make_grid(QStringLiteral("championshipsGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
  grid_->verticalHeader()->setDefaultSectionSize(40);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  mode_ = make_button(QStringLiteral("championshipsModeButton"), QStringLiteral("Edit Titles"), this);
  back_ = make_button(QStringLiteral("championshipsBackButton"), QStringLiteral("Back"), this);
  footer->addWidget(mode_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& index) { open_slot(index.row()); });
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& index) { open_slot(index.row()); });
  connect(mode_, &QPushButton::clicked, this, &ChampionshipsScreen::toggle_mode);
  connect(back_, &QPushButton::clicked, this, &ChampionshipsScreen::go_back);
}

void ChampionshipsScreen::enter() {
  edit_ = false;
  back_->setText(session_.opened_from_booking ? QStringLiteral("Back To Booking") : QStringLiteral("Back"));
  fill();
}

void ChampionshipsScreen::toggle_mode() {
  edit_ = !edit_;
  fill();
}

void ChampionshipsScreen::fill() {
  mode_label_->setText(edit_ ? QStringLiteral("Edit Mode: click a slot to add or edit a title")
                             : QStringLiteral("Normal Mode: click a title to see its history"));
  mode_->setText(edit_ ? QStringLiteral("Normal Mode") : QStringLiteral("Edit Titles"));
  std::vector<GridModel::Row> rows;
  const auto player = session_.game ? session_.game->store.player_index() : std::nullopt;
  if (player) {
    const rv::Store& s = session_.game->store;
    for (std::size_t k = 0; k < rv::prom::title_slots; ++k) {
      const auto t = s.promotion(*player).title(k);
      const QString title = edit_ ? qs(rv::slot_caption(s, *player, k)) : (t.exists() ? qs(t.name()) : QStringLiteral("-"));
      rows.push_back({{{qs(rv::slot_name(k))},
                       {title, {}, t.exists() && !edit_},
                       {qs(rv::holder_text(s, *player, k)), {}, false, t.exists() && t.holder() != rv::vacant},
                       {t.exists() ? QString::number(t.level()) : QString()}},
                      static_cast<qulonglong>(k)});
    }
  }
  model_->set_rows(std::move(rows));
}

void ChampionshipsScreen::open_slot(int slot) {
  if (!session_.game || slot < 0 || slot >= static_cast<int>(rv::prom::title_slots)) return;
  const auto player = session_.game->store.player_index();
  if (!player) return;
  const auto k = static_cast<std::size_t>(slot);
  const bool exists = session_.game->store.promotion(*player).title(k).exists();
  if (!edit_) {
    if (!exists) return;
    session_.history_slot = k;
    navigator_.open(screen_name::title_history);
    return;
  }
  if (exists) {
    edit_title(k);
  } else {
    create_title(k);
  }
  fill();
}

void ChampionshipsScreen::create_title(std::size_t slot) {
  rv::Store& s = session_.game->store;
  rv::TitleCreation creation(s, *s.player_index(), slot);
  while (!creation.done()) {
    const auto q = creation.question();
    const auto answer = q.choices.empty() ? ask_game_text(session_.dialogs, qs(q.prompt))
                                          : ask_game_choice(session_.dialogs, qs(q.prompt), q.choices);
    if (!answer) return;  // nothing is stored until the last answer
    if (const auto why = creation.answer(*answer)) session_.dialogs.info(qs(*why));
  }
  if (const auto status = creation.finish(s); !status) session_.dialogs.info(qs(status.error()));
}

void ChampionshipsScreen::edit_title(std::size_t slot) {
  const std::vector<std::string> actions = {"Rename", "Change Brand", "Vacate", "Retire"};
  const auto& t = session_.game->store.promotion(*session_.game->store.player_index()).title(slot);
  const auto action =
      ask_game_choice(session_.dialogs, QStringLiteral("What do you want to do with the %1?").arg(qs(t.name())), actions);
  if (!action) return;
  if (*action == actions[0]) rename(slot);
  if (*action == actions[1]) change_brand(slot);
  if (*action == actions[2]) vacate(slot);
  if (*action == actions[3]) retire(slot);
}

void ChampionshipsScreen::rename(std::size_t slot) {
  rv::Store& s = session_.game->store;
  const std::size_t p = *s.player_index();
  const auto t = s.promotion(p).title(slot);
  const auto name = ask_game_text(session_.dialogs, QStringLiteral("Name Of Title Belt"), qs(t.name()));
  if (!name) return;
  const auto called = ask_game_text(session_.dialogs, QStringLiteral("Name Of Title Holder"), qs(t.get(rv::TitleField::called)));
  if (!called) return;
  if (const auto status = rv::rename_title(s, p, slot, *name, *called); !status) session_.dialogs.info(qs(status.error()));
}

void ChampionshipsScreen::change_brand(std::size_t slot) {
  rv::Store& s = session_.game->store;
  const std::size_t p = *s.player_index();
  const auto brand =
      ask_game_choice(session_.dialogs, QStringLiteral("Which Brand Will Use This Title?"), rv::brand_choices(s, p));
  if (!brand) return;
  if (const auto status = rv::set_title_brand(s, p, slot, *brand); !status) session_.dialogs.info(qs(status.error()));
}

void ChampionshipsScreen::vacate(std::size_t slot) {
  rv::Store& s = session_.game->store;
  if (!session_.dialogs.ask(qs(rv::vacate_question))) return;
  if (!rv::vacate_title(s, *s.player_index(), slot, rv::VacateNotice::quiet)) {
    session_.dialogs.info(qs(rv::already_vacant_message));
  }
}

void ChampionshipsScreen::retire(std::size_t slot) {
  rv::Store& s = session_.game->store;
  if (!session_.dialogs.ask(qs(rv::retire_question))) return;
  const auto status = rv::retire_title(s, *s.player_index(), slot);
  session_.dialogs.info(status ? qs(rv::retired_message) : qs(status.error()));
}

}  // namespace rvgui
