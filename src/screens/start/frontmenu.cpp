#include "screens/start/frontmenu.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <optional>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/newgame.h"
#include "state/saves.h"
#include "state/startup.h"

namespace rvgui {

namespace {

QString credits_text() {
  return QStringLiteral(
             "<p style='font-size:20px; color:#f5c542'><b>Ringvale</b> %1</p>"
             "<p><b>Programming</b><br>Ines Hartwell and Jonah Pell</p>"
             "<p><b>Rosters</b><br>Mara Quillfeather, Tobias Wrenhall and Idris Calloway</p>"
             "<p><b>Testing</b><br>Odile Brannock, Samir Ketteridge and Lou Fenwick</p>"
             "<p>Thanks to the members of %2 for their bug reports and suggestions.</p>"
             "<p>This version created: %3</p>")
      .arg(qs(rv::version_text), qs(rv::product_forum_address), QStringLiteral(__DATE__));
}

}  // namespace

FrontMenu::FrontMenu(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("frontMenu"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(40, 30, 40, 20);

  auto* title = make_label(QStringLiteral("gameTitle"), QStringLiteral("RINGVALE"), this);
  title->setProperty("role", "heading");
  title->setStyleSheet(QStringLiteral("font-size: 56px; letter-spacing: 6px;"));
  title->setAlignment(Qt::AlignCenter);
  add_shadow(title);
  auto* tagline = make_label(QStringLiteral("tagline"), QStringLiteral("Professional wrestling promotion manager"), this);
  tagline->setAlignment(Qt::AlignCenter);
  tagline->setProperty("role", "subheading");
  add_shadow(tagline);
  outer->addWidget(title);
  outer->addWidget(tagline);
  title_ = title;
  tagline_ = tagline;
  // The title picture carries the game's name in its upper part: the menu sits below it.
  top_space_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
  outer->addItem(top_space_);

  auto* middle = new QHBoxLayout;
  outer->addLayout(middle);
  middle->addStretch(1);

  middle->addWidget(build_menu_panel(), 0, Qt::AlignBottom);
  build_list_panel();
  middle->addSpacing(30);
  middle->addWidget(list_panel_, 2);
  middle->addStretch(1);
  outer->addSpacing(12);
  outer->addLayout(build_footer());

  setTabOrder(save_list_, scenario_list_);
  setTabOrder(scenario_list_, action_);
  setTabOrder(action_, cancel_);

  connect(action_, &QPushButton::clicked, this, &FrontMenu::act);
  connect(cancel_, &QPushButton::clicked, this, &FrontMenu::show_menu);
  connect(save_list_, &QListWidget::itemSelectionChanged, this, &FrontMenu::select_save);
  connect(scenario_list_, &QListWidget::itemSelectionChanged, this, &FrontMenu::select_scenario);
  connect(save_list_, &QListWidget::itemActivated, this, &FrontMenu::act);
  connect(scenario_list_, &QListWidget::itemActivated, this, &FrontMenu::act);
  show_menu();
}

// The menu entries.
QWidget* FrontMenu::build_menu_panel() {
  menu_panel_ = make_panel(QStringLiteral("menuPanel"), this);
  auto* menu = new QVBoxLayout(menu_panel_);
  menu->setContentsMargins(26, 22, 26, 22);
  menu->setSpacing(10);
  new_game_ = make_button(QStringLiteral("newGameButton"), QStringLiteral("New Game"), menu_panel_);
  auto* load = make_button(QStringLiteral("loadGameButton"), QStringLiteral("Load Game"), menu_panel_);
  auto* scenario = make_button(QStringLiteral("playScenarioButton"), QStringLiteral("Play Scenario"), menu_panel_);
  auto* credits = make_button(QStringLiteral("creditsButton"), QStringLiteral("Credits"), menu_panel_);
  auto* exit = make_button(QStringLiteral("exitButton"), QStringLiteral("Exit"), menu_panel_);
  for (auto* b : {new_game_, load, scenario, credits, exit}) {
    b->setProperty("role", "menu");
    menu->addWidget(b);
  }

  setTabOrder(new_game_, load);
  setTabOrder(load, scenario);
  setTabOrder(scenario, credits);
  setTabOrder(credits, exit);
  connect(new_game_, &QPushButton::clicked, this, &FrontMenu::new_game);
  connect(load, &QPushButton::clicked, this, &FrontMenu::show_load_list);
  connect(scenario, &QPushButton::clicked, this, &FrontMenu::show_scenarios);
  connect(credits, &QPushButton::clicked, this, &FrontMenu::show_credits);
  connect(exit, &QPushButton::clicked, this, [this] { navigator_.end_program(); });
  return menu_panel_;
}

// The load and scenario lists, and the credits.
void FrontMenu::build_list_panel() {
  list_panel_ = make_panel(QStringLiteral("listPanel"), this);
  auto* lists = new QVBoxLayout(list_panel_);
  lists->setContentsMargins(24, 20, 24, 20);
  list_title_ = make_label(QStringLiteral("listTitle"), QString(), list_panel_);
  list_title_->setProperty("role", "subheading");
  list_title_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  save_list_ = new QListWidget(list_panel_);
  save_list_->setObjectName(QStringLiteral("loadList"));
  scenario_list_ = new QListWidget(list_panel_);
  scenario_list_->setObjectName(QStringLiteral("scenarioList"));
  info_ = make_label(QStringLiteral("infoLabel"), QString(), list_panel_);
  info_->setWordWrap(true);
  info_->setMinimumHeight(110);
  info_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  action_ = make_button(QStringLiteral("actionButton"), QStringLiteral("Load"), list_panel_);
  cancel_ = make_button(QStringLiteral("cancelButton"), QStringLiteral("Cancel"), list_panel_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(action_);
  buttons->addWidget(cancel_);
  lists->addWidget(list_title_);
  lists->addWidget(save_list_, 1);
  lists->addWidget(scenario_list_, 1);
  lists->addWidget(info_);
  lists->addLayout(buttons);
  list_panel_->setMinimumWidth(460);
}

QLayout* FrontMenu::build_footer() {
  auto* footer = new QHBoxLayout;
  footer->addStretch(1);
  auto* version = make_label(QStringLiteral("versionLabel"), qs(rv::version_text), this);
  auto* release = make_label(QStringLiteral("releaseLabel"), qs(rv::release_text), this);
  version->setProperty("role", "small");
  release->setProperty("role", "small");
  add_shadow(version);
  add_shadow(release);
  footer->addWidget(version);
  footer->addSpacing(12);
  footer->addWidget(release);
  return footer;

}

void FrontMenu::set_backgrounds(const Backgrounds& pictures) {
  title_bg_ = pictures.title;
  normal_bg_ = pictures.normal;
  // Without a title picture the menu writes the game's name itself.
  title_->setVisible(title_bg_.isNull());
  tagline_->setVisible(title_bg_.isNull());
  set_background(mode_ == Mode::menu ? title_bg_ : normal_bg_);
}

void FrontMenu::show_menu() {
  mode_ = Mode::menu;
  menu_panel_->show();
  list_panel_->hide();
  save_list_->hide();
  scenario_list_->hide();
  action_->hide();
  cancel_->hide();
  info_->clear();
  set_background(title_bg_);
  layout_top_space(true);
  new_game_->setFocus();
}

bool FrontMenu::escape_inner() {
  if (mode_ == Mode::menu && list_panel_->isHidden()) return true;  // nothing to go back to
  show_menu();
  return true;
}

void FrontMenu::layout_top_space(bool menu) {
  // Over the title picture the menu keeps to the lower part; the lists use the whole screen.
  const bool below_title = menu && !title_bg_.isNull();
  top_space_->changeSize(0, below_title ? height() * 9 / 20 : 0, QSizePolicy::Minimum,
                         below_title ? QSizePolicy::Fixed : QSizePolicy::Expanding);
  layout()->invalidate();
}

void FrontMenu::resizeEvent(QResizeEvent* event) {
  Screen::resizeEvent(event);
  layout_top_space(mode_ == Mode::menu);
}

void FrontMenu::show_credits() {
  show_menu();
  list_title_->setText(QStringLiteral("Credits"));
  info_->setTextFormat(Qt::RichText);
  info_->setText(credits_text());
  list_panel_->show();
  cancel_->show();
  cancel_->setFocus();
}

void FrontMenu::show_load_list() {
  mode_ = Mode::load;
  menu_panel_->hide();
  list_panel_->show();
  scenario_list_->hide();
  save_list_->show();
  list_title_->setText(QStringLiteral("Load Game"));
  layout_top_space(false);
  info_->setTextFormat(Qt::PlainText);
  info_->clear();
  action_->setText(QStringLiteral("Load"));
  set_usable(action_, QStringLiteral("Choose a saved game in the list first."));
  action_->show();
  cancel_->show();
  set_background(normal_bg_);
  save_list_->blockSignals(true);
  save_list_->clear();
  for (const auto& f : rv::list_saves(session_.home)) save_list_->addItem(qs(f));
  save_list_->blockSignals(false);
  save_list_->setFocus();
}

void FrontMenu::select_save() {
  const auto* item = save_list_->currentItem();
  if (!item || !item->isSelected()) return;
  const auto info = rv::read_save_info(session_.home, to_cp1252_lossy(item->text()));
  info_->setText(info ? qs(rv::load_screen_info(*info)) : qs(info.error()));
  set_usable(action_, info ? QString() : QStringLiteral("This save cannot be read: the note beside the list says why."),
             QStringLiteral("Loads the chosen saved game"));
}

void FrontMenu::show_scenarios() {
  const auto scenarios = rv::list_scenarios(session_.home);
  if (scenarios.empty()) {
    session_.dialogs.info(qs(rv::no_scenarios_message()));
    return;
  }
  mode_ = Mode::scenarios;
  menu_panel_->hide();
  list_panel_->show();
  save_list_->hide();
  scenario_list_->show();
  list_title_->setText(QStringLiteral("Play Scenario"));
  layout_top_space(false);
  info_->setTextFormat(Qt::PlainText);
  info_->clear();
  action_->setText(QStringLiteral("Play"));
  set_usable(action_, QStringLiteral("Choose a scenario in the list first."));
  action_->show();
  cancel_->show();
  set_background(normal_bg_);
  scenario_list_->blockSignals(true);
  scenario_list_->clear();
  for (const auto& s : scenarios) scenario_list_->addItem(qs(s));
  scenario_list_->blockSignals(false);
  scenario_list_->setFocus();
}

void FrontMenu::select_scenario() {
  const auto* item = scenario_list_->currentItem();
  if (!item || !item->isSelected()) return;
  const std::string scenario = to_cp1252_lossy(item->text());
  info_->setText(qs(rv::scenario_info(session_.home, scenario)));
  set_usable(action_, QString(), QStringLiteral("Starts the chosen scenario"));
  move_scenario_pictures(scenario);
}

void FrontMenu::move_scenario_pictures(const std::string& scenario) {
  const auto pictures = rv::scenario_pictures(session_.home, scenario);
  if (pictures.empty()) return;
  Dialogs& d = session_.dialogs;
  d.info(QStringLiteral("Image files have been found in this scenario's folder. They will now be moved into the "
                        "Images folder."),
         QStringLiteral("Images Found!"));
  int moved = 0;
  for (const auto& file : pictures) {
    bool overwrite = false;
    if (rv::picture_name_taken(session_.home, file)) {
      overwrite = d.ask(qs(rv::picture_overwrite_question(file)), QStringLiteral("Image Name Already In Use"));
      if (!overwrite) continue;
    }
    const auto status = rv::move_scenario_picture(session_.home, scenario, file, overwrite);
    if (!status) {
      d.info(qs(status.error()));
      continue;
    }
    ++moved;
  }
  if (moved > 0) d.info(QStringLiteral("Images moved OK."), QStringLiteral("Successful"));
}

std::optional<QString> FrontMenu::ask_player_name() {
  for (;;) {
    auto name = session_.dialogs.prompt(QStringLiteral("Please enter your name."), QStringLiteral("Player 1"));
    if (!name) return std::nullopt;
    if (to_cp1252(*name)) return name;
    session_.dialogs.info(not_cp1252_message(*name));
  }
}

void FrontMenu::new_game() { start_world(QString()); }

void FrontMenu::start_world(const QString& scenario) {
  const auto name = ask_player_name();
  if (!name) return;
  const BusyCursor busy;
  auto world = rv::start_new_game(session_.home, *to_cp1252(*name), to_cp1252_lossy(scenario));
  if (!world) {
    session_.dialogs.info(qs(world.error()));
    return;
  }
  session_.pending = std::make_unique<rv::NewGame>(std::move(*world));
  navigator_.open(screen_name::choice);
}

void FrontMenu::act() {
  if (!action_->isVisible() || !action_->isEnabled()) return;
  if (mode_ == Mode::scenarios) {
    if (const auto* item = scenario_list_->currentItem()) start_world(item->text());
    return;
  }
  if (mode_ != Mode::load) return;
  const auto* item = save_list_->currentItem();
  if (!item) return;
  open_saved_game(session_, navigator_, to_cp1252_lossy(item->text()));
}

}  // namespace rvgui
