#include "screens/widgets/savepanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "screens/shell/screen.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/saves.h"

namespace rvgui {

SavePanel::SavePanel(Session& session, QWidget* parent) : QFrame(parent), session_(session) {
  setObjectName(QStringLiteral("savePage"));
  setProperty("role", "panel");
  auto* sp = new QVBoxLayout(this);
  sp->setContentsMargins(20, 16, 20, 16);
  auto* heading = make_label(QStringLiteral("saveHeading"), QStringLiteral("Save Game"), this);
  heading->setProperty("role", "subheading");
  saves_ = new QListWidget(this);
  saves_->setObjectName(QStringLiteral("saveList"));
  save_info_ = make_label(QStringLiteral("saveInfoLabel"), QString(), this);
  save_info_->setWordWrap(true);
  save_info_->setMinimumHeight(60);
  save_ = make_button(QStringLiteral("saveButton"), QStringLiteral("Save"), this);
  new_save_ = make_button(QStringLiteral("newSaveButton"), QStringLiteral("New Save"), this);
  delete_save_ = make_button(QStringLiteral("deleteSaveButton"), QStringLiteral("Delete"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(save_);
  buttons->addWidget(new_save_);
  buttons->addStretch(1);
  buttons->addWidget(delete_save_);
  sp->addWidget(heading);
  sp->addWidget(saves_, 1);
  sp->addWidget(save_info_);
  sp->addLayout(buttons);
  setTabOrder(saves_, save_);
  setTabOrder(save_, new_save_);
  setTabOrder(new_save_, delete_save_);
  connect(saves_, &QListWidget::itemSelectionChanged, this, &SavePanel::select_save);
  connect(save_, &QPushButton::clicked, this, &SavePanel::save_into_selected);
  connect(new_save_, &QPushButton::clicked, this, &SavePanel::new_save);
  connect(delete_save_, &QPushButton::clicked, this, &SavePanel::delete_selected_save);
}

void SavePanel::fill() {
  saves_->blockSignals(true);
  saves_->clear();
  for (const auto& f : rv::list_saves(session_.home)) saves_->addItem(qs(f));
  saves_->blockSignals(false);
  save_info_->clear();
  set_usable(save_, QStringLiteral("Choose a save in the list first to save over it."));
  set_usable(delete_save_, QStringLiteral("Choose a save in the list first."));
  new_save_->setToolTip(QStringLiteral("Saves the game under a new name"));
}

void SavePanel::select_save() {
  const auto* item = saves_->currentItem();
  if (!item || !item->isSelected()) return;
  const auto info = rv::read_save_info(session_.home, to_cp1252_lossy(item->text()));
  save_info_->setText(info ? qs(rv::save_screen_info(*info)) : qs(info.error()));
  set_usable(save_, info ? QString() : QStringLiteral("This save cannot be read, so it cannot be saved over."),
             QStringLiteral("Saves the game over the chosen save"));
  set_usable(delete_save_, QString(), QStringLiteral("Deletes the chosen save"));
}

// The list again with this save chosen, its line showing what was just written.
void SavePanel::show_save(const std::string& name) {
  fill();
  const auto items = saves_->findItems(qs(name) + QStringLiteral(".sav"), Qt::MatchFixedString);
  if (!items.isEmpty()) saves_->setCurrentItem(items.front());
}

bool SavePanel::save_as(const std::string& name) {
  if (!session_.game) return false;
  std::optional<BusyCursor> busy(std::in_place);
  const auto status = rv::save_game(session_.game->store, session_.home, name, session_.clock.now());
  busy.reset();
  if (!status) {
    session_.dialogs.info(qs(status.error()));
    return false;
  }
  session_.game->save_name = name;
  session_.dialogs.info(qs(rv::save_successful_message));
  return true;
}

void SavePanel::save_into_selected() {
  const auto* item = saves_->currentItem();
  if (!item || !save_->isEnabled()) return;
  const auto info = rv::read_save_info(session_.home, to_cp1252_lossy(item->text()));
  if (!info) {
    session_.dialogs.info(qs(info.error()));
    return;
  }
  if (!session_.dialogs.ask(
          QStringLiteral("Do you want to save over the saved game '%1'? What it holds now will be lost.").arg(qs(info->folder)))) {
    return;
  }
  if (!save_as(info->folder)) return;
  show_save(info->folder);
  emit saved();
}

void SavePanel::new_save() {
  if (!session_.game) return;
  const auto name = session_.dialogs.prompt(QStringLiteral("Please enter a name for this save."),
                                            qs(session_.game->save_name));
  if (!name) return;
  const std::string bytes = to_cp1252_lossy(*name);
  const auto problems = rv::save_name_problems(bytes);
  for (const auto& p : problems) session_.dialogs.info(qs(p));
  if (!problems.empty()) return;
  if (rv::save_exists(session_.home, bytes) &&
      !session_.dialogs.ask(QStringLiteral("There is already a saved game called '%1'. Do you want to replace it?")
                                .arg(*name))) {
    return;
  }
  if (!save_as(bytes)) return;
  show_save(bytes);
  emit saved();
}

void SavePanel::delete_selected_save() {
  const auto* item = saves_->currentItem();
  if (!item || !delete_save_->isEnabled()) return;
  const std::string sav = to_cp1252_lossy(item->text());
  const auto info = rv::read_save_info(session_.home, sav);
  const QString name = info ? qs(info->folder) : item->text();
  if (!session_.dialogs.ask(QStringLiteral("Are you sure you want to delete the saved game '%1'?").arg(name))) return;
  const auto status = rv::delete_save(session_.home, sav);
  if (!status) {
    session_.dialogs.info(qs(status.error()));
    return;
  }
  if (session_.game && info && session_.game->save_name == info->folder) session_.game->save_name.clear();
  session_.dialogs.info(qs(rv::save_erased_message));
  fill();
}

}  // namespace rvgui
