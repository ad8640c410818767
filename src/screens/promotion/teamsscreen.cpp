#include "screens/promotion/teamsscreen.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"

namespace rvgui {

TeamsScreen::TeamsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("teamsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("teamsHeading"), QStringLiteral("Tag Teams & Stables"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  auto* left = make_panel(QStringLiteral("teamsListPanel"), this);
  auto* ll = new QVBoxLayout(left);
  ll->setContentsMargins(14, 14, 14, 14);
  kind_ = new QComboBox(left);
  kind_->setObjectName(QStringLiteral("teamsKindCombo"));
  kind_->addItems({qs(rv::tag_teams_choice), qs(rv::stables_choice)});
  list_ = new QListWidget(left);
  list_->setObjectName(QStringLiteral("teamsList"));
  ll->addWidget(kind_);
  ll->addWidget(list_, 1);
  left->setMinimumWidth(260);
  left->setMaximumWidth(360);
  body->addWidget(left);

  auto* right = make_panel(QStringLiteral("teamsMembersPanel"), this);
  auto* rl = new QVBoxLayout(right);
  rl->setContentsMargins(14, 14, 14, 14);
  members_caption_ = caption(QStringLiteral("teamsMembersCaption"), QString(), right);
  model_ = new GridModel({QStringLiteral("Name"), QStringLiteral("Gender"), QStringLiteral("Popularity"),
                          QStringLiteral("Face/Heel")},
                         this);
  members_ = make_grid(QStringLiteral("teamsMembersView"), model_, right, true);
  members_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column : {1, 2, 3}) members_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  rl->addWidget(members_caption_);
  rl->addWidget(members_, 1);
  body->addWidget(right, 1);
  outer->addLayout(body, 1);

  auto* footer = new QHBoxLayout;
  add_ = make_button(QStringLiteral("addMemberButton"), QStringLiteral("Add New Member"), this);
  remove_ = make_button(QStringLiteral("removeMemberButton"), QStringLiteral("Remove Member"), this);
  delete_ = make_button(QStringLiteral("deleteTeamButton"), QStringLiteral("Delete Tag Team/Stable"), this);
  back_ = make_button(QStringLiteral("teamsBackButton"), QStringLiteral("Back To Main Menu"), this);
  footer->addWidget(add_);
  footer->addWidget(remove_);
  footer->addWidget(delete_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
    pending_.reset();
    fill(std::nullopt);
  });
  connect(list_, &QListWidget::currentRowChanged, this, &TeamsScreen::pick_row);
  connect(add_, &QPushButton::clicked, this, &TeamsScreen::add_member);
  connect(remove_, &QPushButton::clicked, this, &TeamsScreen::remove_member);
  connect(delete_, &QPushButton::clicked, this, &TeamsScreen::delete_team);
  connect(back_, &QPushButton::clicked, this, &TeamsScreen::go_back);
}

void TeamsScreen::enter() {
  pending_.reset();  // an empty new team does not outlive the visit
  fill(std::nullopt);
  if (!listed_.empty()) fill(listed_.front());  // the first team's members rather than an empty grid
}

rv::TeamKind TeamsScreen::kind() const { return kind_->currentIndex() == 1 ? rv::TeamKind::stable : rv::TeamKind::tag_team; }

std::optional<std::size_t> TeamsScreen::player() const {
  if (!session_.game) return std::nullopt;
  return session_.game->store.player_index();
}

void TeamsScreen::fill(const std::optional<std::string>& select) {
  listed_.clear();
  if (const auto p = player()) listed_ = rv::team_names(session_.game->store, *p, kind());
  if (pending_ && std::find(listed_.begin(), listed_.end(), *pending_) == listed_.end()) listed_.push_back(*pending_);
  shown_.reset();
  {
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItem(qs(rv::create_team_entry));
    for (std::size_t i = 0; i < listed_.size(); ++i) {
      list_->addItem(qs(listed_[i]));
      if (select && listed_[i] == *select) {
        list_->setCurrentRow(static_cast<int>(i) + 1);
        shown_ = listed_[i];
      }
    }
  }
  fill_members();
}

void TeamsScreen::fill_members() {
  std::vector<GridModel::Row> rows;
  const auto p = player();
  if (p && shown_) {
    const rv::Store& s = session_.game->store;
    for (const std::size_t r : rv::team_members(s, *p, kind(), *shown_)) {
      const auto w = s.worker(r);
      rows.push_back({{{qs(w.name())},
                       {qs(w.gender())},
                       {QString::number(w.pop()), static_cast<qlonglong>(w.pop())},
                       {qs(w.faceheel())}},
                      static_cast<qulonglong>(r)});
    }
  }
  members_caption_->setText(shown_ ? QStringLiteral("MEMBERS OF %1").arg(qs(*shown_).toUpper()) : QString());
  model_->set_rows(std::move(rows));
}

void TeamsScreen::pick_row(int row) {
  if (row == 0) {
    // Asked once the list has settled on "Create New", not from inside its selection change.
    QTimer::singleShot(0, this, [this] {
      if (list_->currentRow() == 0) create_team();
    });
    return;
  }
  shown_.reset();
  if (row > 0 && static_cast<std::size_t>(row) <= listed_.size()) shown_ = listed_[static_cast<std::size_t>(row) - 1];
  fill_members();
}

void TeamsScreen::create_team() {
  const auto p = player();
  const auto before = shown_;
  std::optional<std::string> created;
  if (p) {
    const auto name = ask_game_text(session_.dialogs, qs(rv::new_team_prompt(kind())));
    if (name) {
      const auto checked = rv::check_new_team(session_.game->store, *p, kind(), *name);
      session_.dialogs.info(qs(checked ? *checked : checked.error()));
      if (checked) created = *name;
    }
  }
  if (created) pending_ = created;
  // Back off "Create New" either way, so that the next click on it asks again.
  fill(created ? created : before);
}

std::optional<std::size_t> TeamsScreen::selected_member() const {
  const auto rows = members_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  const auto* row = model_->row_at(model_row(members_, rows.front().row()));
  if (!row) return std::nullopt;
  return static_cast<std::size_t>(row->ref.toULongLong());
}

void TeamsScreen::add_member() {
  const auto p = player();
  if (!p || !shown_) {
    session_.dialogs.info(qs(rv::no_team_selected_message));
    return;
  }
  const std::string team = *shown_;
  const auto candidates = rv::member_candidates(session_.game->store, *p, kind(), team);
  QStringList options;
  for (const auto& c : candidates) options << qs(c.caption);
  options << qs(rv::cancel_choice);
  const auto picked = session_.dialogs.choose(qs(rv::add_member_question(kind(), team)), options);
  if (!picked || *picked < 0 || static_cast<std::size_t>(*picked) >= candidates.size()) return;
  const std::size_t row = candidates[static_cast<std::size_t>(*picked)].row;
  const auto status = rv::add_member(session_.game->store, *p, kind(), team, row);
  if (!status) session_.dialogs.info(qs(status.error()));
  if (status && pending_ == team) pending_.reset();  // the team now lives in its member
  fill(team);
}

void TeamsScreen::remove_member() {
  const auto p = player();
  const auto member = selected_member();
  if (!p || !shown_ || !member) {
    session_.dialogs.info(qs(rv::no_member_selected_message));
    return;
  }
  if (!session_.dialogs.ask(qs(rv::team_sure_question))) return;
  const std::string team = *shown_;
  if (const auto status = rv::remove_member(session_.game->store, *p, kind(), team, *member); !status) {
    session_.dialogs.info(qs(status.error()));
  }
  fill(team);
}

void TeamsScreen::delete_team() {
  const auto p = player();
  if (!p || !shown_) {
    session_.dialogs.info(qs(rv::no_team_selected_message));
    return;
  }
  if (!session_.dialogs.ask(qs(rv::team_sure_question))) return;
  const std::string team = *shown_;
  if (pending_ == team) {
    pending_.reset();  // a new team without members: nothing in the store to clear
  } else if (const auto status = rv::delete_team(session_.game->store, *p, kind(), team); !status) {
    session_.dialogs.info(qs(status.error()));
  }
  fill(std::nullopt);
}

}  // namespace rvgui
