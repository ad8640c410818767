#include "screens/promotion/showsscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "promotion/production.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "state/pictures.h"

namespace rvgui {

ShowsScreen::ShowsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("showsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* heading = make_label(QStringLiteral("showsHeading"), QStringLiteral("General Shows Info"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  shows_model_ = new GridModel({QStringLiteral("Show"), QStringLiteral("When"), QStringLiteral("Coverage"),
                                QStringLiteral("Brand"), QStringLiteral("Image"), QStringLiteral("Last Show"),
                                QStringLiteral("Last Figure")},
                               this);
  shows_ = make_grid(QStringLiteral("regularShowsGrid"), shows_model_, this, false);
  shows_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  shows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  shows_->setToolTip(QStringLiteral("Click a show to rename it or choose its image"));
  shows_->setMinimumHeight(150);
  outer->addWidget(shows_, 2);

  auto* middle = new QHBoxLayout;
  middle->addWidget(build_production(), 1);
  auto* tops = new QVBoxLayout;
  top_toggle_ = make_button(QStringLiteral("topListButton"), QString(), this);
  top_model_ = new GridModel({QStringLiteral("Rank"), QString(), QString()}, this);
  top_ = make_grid(QStringLiteral("topListGrid"), top_model_, this, false);
  top_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  top_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  tops->addWidget(top_toggle_);
  tops->addWidget(top_, 1);
  middle->addLayout(tops, 1);
  outer->addLayout(middle, 3);

  auto* footer = new QHBoxLayout;
  auto* back = make_button(QStringLiteral("showsBackButton"), QStringLiteral("Back"), this);
  set_default_button(back);
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(back, &QPushButton::clicked, this, &ShowsScreen::go_back);
  connect(top_toggle_, &QPushButton::clicked, this, [this] {
    tv_top_ = !tv_top_;
    fill();
  });
  connect(shows_, &QTableView::clicked, this, [this](const QModelIndex& i) { show_clicked(i.row()); });
}

QWidget* ShowsScreen::build_production() {
  auto* box = new QFrame(this);
  box->setObjectName(QStringLiteral("productionPanel"));
  box->setProperty("role", "panel");
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(16, 12, 16, 12);
  const std::array<QString, 3> kinds = {QStringLiteral("Primary Shows"), QStringLiteral("Secondary Shows"),
                                        QStringLiteral("Big Shows")};
  const std::array<QString, 3> names = {QStringLiteral("primary"), QStringLiteral("secondary"), QStringLiteral("big")};
  for (int k = 0; k < 3; ++k) {
    const auto i = static_cast<std::size_t>(k);
    grid->addWidget(caption(names[i] + QStringLiteral("Caption"), kinds[i], box), k * 2, 0, 1, 3);
    auto* down = make_button(names[i] + QStringLiteral("DownButton"), QStringLiteral("<"), box);
    auto* up = make_button(names[i] + QStringLiteral("UpButton"), QStringLiteral(">"), box);
    levels_[i] = make_label(names[i] + QStringLiteral("LevelLabel"), QString(), box);
    grid->addWidget(down, k * 2 + 1, 0);
    grid->addWidget(levels_[i], k * 2 + 1, 1);
    grid->addWidget(up, k * 2 + 1, 2);
    connect(down, &QPushButton::clicked, this, [this, k] { step_level(k, false); });
    connect(up, &QPushButton::clicked, this, [this, k] { step_level(k, true); });
  }
  for (int role = 1; role <= 2; ++role) {
    const auto i = static_cast<std::size_t>(role - 1);
    auto* button = make_button(QStringLiteral("interviewer%1Button").arg(role), QStringLiteral("Interviewer %1").arg(role), box);
    interviewers_[i] = make_label(QStringLiteral("interviewer%1Label").arg(role), QString(), box);
    grid->addWidget(button, 5 + role, 0);
    grid->addWidget(interviewers_[i], 5 + role, 1, 1, 2);
    connect(button, &QPushButton::clicked, this, [this, role] { choose_interviewer(role); });
  }
  note_ = make_label(QStringLiteral("interviewerNoteLabel"), QString(), box);
  note_->setWordWrap(true);
  grid->addWidget(note_, 8, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return box;
}

void ShowsScreen::enter() { fill(); }

void ShowsScreen::fill() {
  std::vector<GridModel::Row> shows, top;
  if (session_.game) {
    const rv::Store& s = session_.game->store;
    for (const auto& r : rv::regular_shows(s)) {
      shows.push_back({{{qs(r.name)}, {qs(r.day)}, {qs(r.kind)}, {qs(r.brand)},
                        {r.image == rv::no_image ? QStringLiteral("No Image") : qs(r.image)},
                        {qs(r.last_show)},
                        {qs(r.figure_name + ": " + r.figure)}},
                       static_cast<qulonglong>(r.slot)});
    }
    for (const auto& r : rv::weekly_top(s, tv_top_)) top.push_back({{{qs(r.rank)}, {qs(r.show)}, {qs(r.figure)}}, {}});
    if (top.empty()) top.push_back({{{QString()}, {qs(rv::no_top_information)}, {QString()}}, {}});
    for (std::size_t k = 0; k < 3; ++k) {
      levels_[k]->setText(qs(rv::production_caption(rv::production_level(s, static_cast<rv::ShowKind>(k)))));
    }
    for (int role = 1; role <= 2; ++role) interviewers_[static_cast<std::size_t>(role - 1)]->setText(qs(rv::interviewer(s, role)));
    note_->setText(qs(rv::interviewer_note(s)));
  }
  shows_model_->set_rows(std::move(shows));
  top_model_->set_rows(std::move(top));
  top_toggle_->setText(tv_top_ ? QStringLiteral("Top National TV Ratings Of The Week")
                               : QStringLiteral("Top Indy Attendences Of The Week"));
  top_model_->set_header(1, tv_top_ ? QStringLiteral("Show Name and When Aired") : QStringLiteral("Name and Date of Show"));
  top_model_->set_header(2, tv_top_ ? QStringLiteral("TV Rating") : QStringLiteral("Attendence"));
}

void ShowsScreen::step_level(int kind, bool up) {
  if (!session_.game || kind < 0 || kind > 2) return;
  levels_[static_cast<std::size_t>(kind)]->setText(
      qs(rv::step_production(session_.game->store, static_cast<rv::ShowKind>(kind), up)));
}

void ShowsScreen::choose_interviewer(int role) {
  if (!session_.game) return;
  rv::Store& s = session_.game->store;
  auto choices = rv::interviewer_choices(s, role);
  choices.emplace_back(rv::none_text);
  const auto who = ask_game_choice(
      session_.dialogs, QStringLiteral("Choose who you want for the role of Interviewer %1.").arg(role), choices);
  if (!who) return;
  if (const auto status = rv::set_interviewer(s, role, *who); !status) session_.dialogs.info(qs(status.error()));
  fill();
}

void ShowsScreen::show_clicked(int row) {
  const GridModel::Row* shown = shows_model_->row_at(row);
  if (!session_.game || !shown) return;
  const auto slot = static_cast<std::size_t>(shown->ref.toULongLong());
  rv::Store& s = session_.game->store;
  const auto what = ask_game_choice(session_.dialogs, QStringLiteral("What do you want to change about %1?").arg(shown->cells[0].text),
                                    {"Rename", "Choose Image"});
  if (!what) return;
  if (*what == "Rename") {
    const auto name = ask_game_text(session_.dialogs, QStringLiteral("Enter the new name for this show."));
    if (name) {
      if (const auto status = rv::rename_regular_show(s, slot, *name); !status) session_.dialogs.info(qs(status.error()));
    }
  } else {
    auto images = rv::show_picture_choices(session_.home);
    images.insert(images.begin(), "No Image");
    const auto image = ask_game_choice(session_.dialogs, QStringLiteral("Choose an image for this show."), images);
    if (image) {
      const auto status =
          rv::set_show_image(s, session_.home, slot, *image == "No Image" ? std::string(rv::no_image) : *image);
      if (!status) session_.dialogs.info(qs(status.error()));
    }
  }
  fill();
}

}  // namespace rvgui
