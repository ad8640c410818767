#include "screens/cycle/mainscreen.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>

#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "screens/cycle/playuntil.h"
#include "screens/shell/session.h"
#include "screens/widgets/attentionpanel.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/figurespanel.h"
#include "screens/widgets/gridmodel.h"
#include "screens/widgets/savepanel.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/inbox.h"
#include "state/pictures.h"
#include "state/saves.h"

namespace rvgui {

MainScreen::MainScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("mainScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(16);

  outer->addWidget(build_top_bar());
  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  outer->addLayout(body, 1);

  body->addWidget(build_nav());
  center_ = new QStackedWidget(this);
  center_->setObjectName(QStringLiteral("centerStack"));
  body->addWidget(center_, 1);
  // On a wide window the week's loose ends sit beside the day: contracts to renew, the injured.
  attention_ = new AttentionPanel(this);
  attention_->setMinimumWidth(380);
  attention_->hide();
  body->addWidget(attention_);
  connect(attention_, &AttentionPanel::worker_chosen, this, [this](const QString& name) {
    session_.profile_worker = to_cp1252_lossy(name);
    navigator_.open(screen_name::profile);
  });

  build_day_page();
  center_->addWidget(day_page_);
  build_calendar();
  center_->addWidget(calendar_);
  save_page_ = new SavePanel(session_, center_);
  center_->addWidget(save_page_);
  build_logo_page();
  center_->addWidget(logo_page_);

  setTabOrder(main_action_, inbox_);
  setTabOrder(inbox_, view_dates_);
  setTabOrder(view_dates_, save_game_);
  setTabOrder(save_game_, menu_);
  setTabOrder(menu_, logo_);

  connect(main_action_, &QPushButton::clicked, this, &MainScreen::press_main_action);
  connect(play_until_, &QPushButton::clicked, this, &MainScreen::play_until);
  connect(inbox_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::inbox); });
  connect(view_dates_, &QPushButton::clicked, this, &MainScreen::toggle_dates);
  connect(save_game_, &QPushButton::clicked, this, &MainScreen::toggle_save_mode);
  connect(menu_, &QPushButton::clicked, this, &MainScreen::quit_to_menu);
  connect(logo_, &QPushButton::clicked, this, &MainScreen::show_logo_choice);
  connect(calendar_, &QTableView::clicked, this, [this](const QModelIndex& index) { calendar_row_clicked(index.row()); });
  connect(calendar_, &QTableView::activated, this, [this](const QModelIndex& index) { calendar_row_clicked(index.row()); });
  connect(save_page_, &SavePanel::saved, this, [this] { set_view(View::day); });
  connect(logos_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose_logo(item->text()); });
  connect(logos_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose_logo(item->text()); });
  set_view(View::day);
}

// The top bar: logo, promotion, date, money and the board.
QWidget* MainScreen::build_top_bar() {
  auto* top = make_panel(QStringLiteral("topBar"), this);
  top_ = top;
  auto* tl = new QHBoxLayout(top);
  tl->setContentsMargins(16, 12, 20, 12);
  tl->setSpacing(20);
  logo_ = make_button(QStringLiteral("logoButton"), QString(), top);
  logo_->setIconSize(QSize(150, 100));
  logo_->setFixedSize(164, 114);
  logo_->setToolTip(QStringLiteral("Click to choose another logo"));
  tl->addWidget(logo_);

  auto* who = new QVBoxLayout;
  promotion_name_ = make_label(QStringLiteral("promotionNameLabel"), QString(), top);
  promotion_name_->setProperty("role", "subheading");
  promotion_name_->setStyleSheet(QStringLiteral("font-size: 22px;"));
  promotion_name_->setWordWrap(true);
  player_ = make_label(QStringLiteral("playerLabel"), QString(), top);
  player_->setProperty("role", "small");
  full_date_ = make_label(QStringLiteral("fullDateLabel"), QString(), top);
  who->addStretch(1);
  who->addWidget(promotion_name_);
  who->addWidget(player_);
  who->addSpacing(6);
  who->addWidget(full_date_);
  who->addStretch(1);
  tl->addLayout(who, 1);

  auto* date_tile = new QFrame(top);
  date_tile->setObjectName(QStringLiteral("dateTile"));
  date_tile->setStyleSheet(QStringLiteral(
      "#dateTile { background: #f2ede1; border-radius: 8px; } #dateTile QLabel { color: #1a1405; }"));
  auto* dl = new QVBoxLayout(date_tile);
  dl->setContentsMargins(14, 6, 14, 6);
  dl->setSpacing(0);
  day_ = make_label(QStringLiteral("dayLabel"), QString(), date_tile);
  number_ = make_label(QStringLiteral("numberLabel"), QString(), date_tile);
  month_ = make_label(QStringLiteral("monthLabel"), QString(), date_tile);
  year_ = make_label(QStringLiteral("yearLabel"), QString(), date_tile);
  day_->setStyleSheet(QStringLiteral("font-size: 12px; font-weight: bold; color: #a3201c;"));
  number_->setStyleSheet(QStringLiteral("font-size: 34px; font-weight: bold;"));
  month_->setStyleSheet(QStringLiteral("font-size: 13px; font-weight: bold;"));
  year_->setStyleSheet(QStringLiteral("font-size: 12px;"));
  for (auto* l : {day_, number_, month_, year_}) {
    l->setAlignment(Qt::AlignCenter);
    dl->addWidget(l);
  }
  date_tile->setMinimumWidth(120);
  tl->addWidget(date_tile);

  figures_ = new FiguresPanel(session_, navigator_, top);
  tl->addWidget(figures_);
  return top;

}

// The navigation column.
QWidget* MainScreen::build_nav() {
  auto* nav = make_panel(QStringLiteral("navPanel"), this);
  auto* nl = new QVBoxLayout(nav);
  nl->setContentsMargins(14, 14, 14, 14);
  nl->setSpacing(5);
  inbox_ = make_button(QStringLiteral("inboxButton"), QStringLiteral("Inbox (0)"), nav);
  view_dates_ = make_button(QStringLiteral("viewDatesButton"), QStringLiteral("View Dates"), nav);
  save_game_ = make_button(QStringLiteral("saveGameButton"), QStringLiteral("Save Game"), nav);
  menu_ = make_button(QStringLiteral("menuButton"), QStringLiteral("Main Menu"), nav);
  nl->addWidget(inbox_);
  nl->addWidget(view_dates_);
  nl->addWidget(save_game_);
  nl->addSpacing(8);
  // The promotion's own screens: object name, caption, screen.
  struct NavEntry {
    QString object, caption, screen;
  };
  const NavEntry entries[] = {
      {QStringLiteral("rosterButton"), QStringLiteral("Roster"), screen_name::roster},
      {QStringLiteral("newSigningButton"), QStringLiteral("New Signing"), screen_name::signing},
      {QStringLiteral("championshipsButton"), QStringLiteral("Championships"), screen_name::championships},
      {QStringLiteral("feudsButton"), QStringLiteral("Feuds"), screen_name::feuds},
      {QStringLiteral("showsButton"), QStringLiteral("Shows"), screen_name::shows},
      {QStringLiteral("bigShowButton"), QStringLiteral("Big Show"), screen_name::big_show},
      {QStringLiteral("teamsButton"), QStringLiteral("Teams && Stables"), screen_name::teams},
      {QStringLiteral("generalInfoButton"), QStringLiteral("General Info"), screen_name::general_info},
      {QStringLiteral("trainingCampButton"), QStringLiteral("Training Camp"), screen_name::training_camp},
      {QStringLiteral("feedbackButton"), QStringLiteral("Feedback"), screen_name::feedback},
      {QStringLiteral("historyButton"), QStringLiteral("History"), screen_name::history},
      {QStringLiteral("staffButton"), QStringLiteral("Staff"), screen_name::staff},
  };
  for (const NavEntry& e : entries) {
    auto* b = make_button(e.object, e.caption, nav);
    nl->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, name = e.screen] {
      session_.opened_from_booking = false;
      navigator_.open(name);
    });
    promotion_buttons_.push_back(b);
  }
  nl->addStretch(1);
  nl->addWidget(menu_);
  nav->setMinimumWidth(200);
  nav->setMaximumWidth(260);
  return nav;

}

void MainScreen::build_day_page() {
  // The day: today's events and the main action.
  day_page_ = new QWidget(center_);
  day_page_->setObjectName(QStringLiteral("dayPage"));
  auto* dp = new QVBoxLayout(day_page_);
  dp->setContentsMargins(0, 0, 0, 0);
  auto* day_panel = make_panel(QStringLiteral("dayPanel"), day_page_);
  auto* dpl = new QVBoxLayout(day_panel);
  dpl->setContentsMargins(30, 30, 30, 30);
  day_heading_ = make_label(QStringLiteral("dayHeadingLabel"), QString(), day_panel);
  day_heading_->setProperty("role", "heading");
  day_heading_->setAlignment(Qt::AlignCenter);
  day_events_ = make_label(QStringLiteral("dayEventsLabel"), QString(), day_panel);
  day_events_->setAlignment(Qt::AlignCenter);
  day_events_->setWordWrap(true);
  day_events_->setStyleSheet(QStringLiteral("font-size: 22px;"));
  dpl->addStretch(1);
  dpl->addWidget(day_heading_);
  dpl->addSpacing(12);
  dpl->addWidget(day_events_);
  dpl->addStretch(1);
  dp->addWidget(day_panel, 3);
  dp->addSpacing(12);

  // The coming week, as the calendar holds it.
  auto* coming = make_panel(QStringLiteral("comingUpPanel"), day_page_);
  auto* cl = new QVBoxLayout(coming);
  cl->setContentsMargins(16, 10, 16, 12);
  cl->addWidget(caption(QStringLiteral("comingUpCaption"), QStringLiteral("THE WEEK AHEAD"), coming));
  coming_up_model_ = new GridModel({QStringLiteral("Date"), QStringLiteral("Event")}, this);
  coming_up_ = make_grid(QStringLiteral("comingUpGrid"), coming_up_model_, coming, false);
  coming_up_->horizontalHeader()->hide();
  coming_up_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  coming_up_->horizontalHeader()->setStretchLastSection(true);
  coming_up_->verticalHeader()->setDefaultSectionSize(26);
  coming_up_->setSelectionMode(QAbstractItemView::NoSelection);
  coming_up_->setFocusPolicy(Qt::NoFocus);
  coming_up_->setAlternatingRowColors(false);
  coming_up_->setShowGrid(false);
  coming_up_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  coming_up_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  coming_up_->setMinimumHeight(7 * 26 + 4);
  coming_up_->setStyleSheet(QStringLiteral("QTableView { background: transparent; border: none; }"));
  cl->addWidget(coming_up_);
  dp->addWidget(coming, 2);
  dp->addSpacing(16);
  main_action_ = make_button(QStringLiteral("mainActionButton"), QStringLiteral("Next Day"), day_page_);
  main_action_->setProperty("role", "main");
  main_action_->setMinimumWidth(320);
  dp->addWidget(main_action_, 0, Qt::AlignHCenter);
  play_until_ = make_button(QStringLiteral("playUntilButton"), QStringLiteral("Play Until Next Show"), day_page_);
  play_until_->setToolTip(QStringLiteral("Ends day after day until a show, a message that needs your answer, or two months"));
  dp->addWidget(play_until_, 0, Qt::AlignHCenter);

}

void MainScreen::build_calendar() {
  // The calendar grid.
  calendar_model_ = new GridModel({QStringLiteral("Date"), QStringLiteral("Event")}, this);
  calendar_ = make_grid(QStringLiteral("calendarGrid"), calendar_model_, center_, false);
  calendar_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  calendar_->horizontalHeader()->setStretchLastSection(true);
  calendar_->setToolTip(QStringLiteral("Click a free day to book a house show"));

}

void MainScreen::build_logo_page() {
  // The logo choice.
  logo_page_ = make_panel(QStringLiteral("logoPage"), center_);
  auto* lp = new QVBoxLayout(logo_page_);
  lp->setContentsMargins(20, 16, 20, 16);
  auto* logo_heading = make_label(QStringLiteral("logoHeading"), QStringLiteral("Choose a logo from the Images folder"),
                                  logo_page_);
  logo_heading->setProperty("role", "subheading");
  logos_ = new QListWidget(logo_page_);
  logos_->setObjectName(QStringLiteral("logoList"));
  lp->addWidget(logo_heading);
  lp->addWidget(logos_, 1);

}

void MainScreen::set_view(View view) {
  view_ = view;
  switch (view) {
    case View::day: center_->setCurrentWidget(day_page_); break;
    case View::dates: center_->setCurrentWidget(calendar_); break;
    case View::saves: center_->setCurrentWidget(save_page_); break;
    case View::logos: center_->setCurrentWidget(logo_page_); break;
  }
  const bool saving = view == View::saves;
  view_dates_->setText(view == View::dates ? QStringLiteral("Hide Dates") : QStringLiteral("View Dates"));
  save_game_->setText(saving ? QStringLiteral("Cancel Save") : QStringLiteral("Save Game"));
  const QString saving_now = saving ? QStringLiteral("Save the game or press Cancel Save first.") : QString();
  for (auto* b : {inbox_, view_dates_, menu_, logo_, main_action_}) set_usable(b, saving_now);
  for (auto* b : promotion_buttons_) set_usable(b, saving_now);
  main_action_->setVisible(view == View::day);
  // The calendar grid takes the place of the labels and the picture.
  top_->setVisible(view != View::dates);
  if (view == View::day && isVisible()) main_action_->setFocus();
}

void MainScreen::refresh() {
  if (!session_.game) return;
  if (std::string& notice = session_.game->store.load_notice; !notice.empty()) {  // told once
    const QString text = qs(notice);
    notice.clear();
    session_.dialogs.info(text);
  }
  const rv::Store& s = session_.game->store;
  const auto player = s.player_index();
  promotion_name_->setText(player ? qs(s.promotion(*player).full_name()) : qs(s.md(rv::md::player_initials)));
  player_->setText(qs(s.md(rv::md::player_name) + " (" + s.md(rv::md::player_initials) + ")"));
  day_->setText(qs(s.md(rv::md::weekday)));
  number_->setText(qs(s.md(rv::md::day_number)));
  month_->setText(qs(s.md(rv::md::month)));
  year_->setText(qs(s.md(rv::md::year)));
  full_date_->setText(qs(rv::current_full_date(s)));
  figures_->refresh(s);
  main_action_->setText(qs(rv::main_caption(s)));
  set_usable(play_until_, rv::main_action(s) == rv::MainAction::next_day || s.assistant.booking ? QString()
                          : QStringLiteral("Today's show comes first: press %1.").arg(main_action_->text()));
  day_heading_->setText(qs(s.md(rv::md::day_heading)));
  QString events = qs(s.md(rv::md::day_event1));
  if (!s.md(rv::md::day_event2).empty()) events += QStringLiteral("\nand\n") + qs(s.md(rv::md::day_event2));
  day_events_->setText(events);
  inbox_->setText(qs(rv::inbox_caption(s)));
  refresh_logo();
  fill_coming_up();
  attention_->refresh(s);
  if (view_ == View::dates) fill_calendar();
}

void MainScreen::resizeEvent(QResizeEvent* event) {
  Screen::resizeEvent(event);
  attention_->setVisible(width() >= wide_window);
}

void MainScreen::fill_coming_up() {
  std::vector<GridModel::Row> grid;
  for (const auto& day : rv::week_ahead(session_.game->store, 7)) {
    const bool free = day.event.empty();
    grid.push_back({{{qs(day.date)}, {free ? QStringLiteral("-") : qs(day.event), {}, false, !free}}, qs(day.date)});
  }
  coming_up_model_->set_rows(std::move(grid));
}

void MainScreen::refresh_logo() {
  const QString file = QString::fromStdString(
      rv::picture_or_default(session_.home, session_.game ? rv::player_logo(session_.game->store) : std::string())
          .string());
  if (file == shown_logo_) return;
  shown_logo_ = file;
  const QPixmap picture(file);
  logo_->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
  logo_->setText(picture.isNull() ? QStringLiteral("Logo") : QString());
}

void MainScreen::showEvent(QShowEvent* event) {
  Screen::showEvent(event);
  if (view_ == View::day) main_action_->setFocus();
}

void MainScreen::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (view_ == View::day && main_action_->isEnabled()) {
      main_action_->click();
      event->accept();
      return;
    }
  }
  Screen::keyPressEvent(event);
}

bool MainScreen::escape_inner() {
  if (view_ == View::day) return false;
  set_view(View::day);
  return true;
}

void MainScreen::show_messages(const std::vector<std::string>& messages) {
  for (const auto& m : messages) session_.dialogs.info(qs(m));
}

void MainScreen::press_main_action() {
  if (!session_.game || view_ != View::day) return;
  rv::Game& game = *session_.game;
  if (rv::main_action(game.store) == rv::MainAction::next_day) {
    std::optional<BusyCursor> busy(std::in_place);
    const rv::DayReport report = rv::next_day(game);
    busy.reset();
    after_days(report.messages, report.dismissed);
    return;
  }
  const rv::ShowDayResult result = rv::go_to_show(game);
  show_messages(result.messages);
  refresh();
  if (!result.can_go_ahead) return;
  // A card begun today and left is found as it was: back at the venues, with its booking on top.
  if (session_.booking && session_.booking_date == rv::current_full_date(game.store)) {
    navigator_.open(screen_name::venues);
    if (session_.booked_show) navigator_.open(screen_name::booking);
    return;
  }
  // The venue of today's first show is chosen next; the day stays a show day until it is run.
  session_.booked_show.reset();
  session_.booking.reset();
  navigator_.open(screen_name::venues);
}

void MainScreen::play_until() {
  if (!session_.game || view_ != View::day) return;
  const PlayedDays played = play_until_next_show(*session_.game, session_.home, this);
  after_days(played.messages, played.dismissed);
}

void MainScreen::after_days(const std::vector<std::string>& messages, bool dismissed) {
  show_messages(messages);
  if (dismissed) {
    bool told = false;
    for (const auto& m : messages) told = told || m == rv::dismissal_message;
    if (!told) session_.dialogs.info(qs(rv::dismissal_message));
    navigator_.end_program();
    return;
  }
  refresh();
}

void MainScreen::toggle_dates() {
  if (view_ == View::dates) {
    set_view(View::day);
    return;
  }
  fill_calendar();
  set_view(View::dates);
  calendar_->setFocus();
}

namespace {
GridModel::Row calendar_row(const QString& date, const QString& event) { return {{{date}, {event, {}, false, true}}, date}; }
}  // namespace

void MainScreen::fill_calendar() {
  if (!session_.game) return;
  std::vector<GridModel::Row> grid;
  for (const auto& day : rv::calendar_rows(session_.game->store)) grid.push_back(calendar_row(qs(day.date), qs(day.event)));
  calendar_model_->set_rows(std::move(grid));
}

void MainScreen::calendar_row_clicked(int row) {
  const GridModel::Row* day = calendar_model_->row_at(row);
  if (!session_.game || !day) return;
  const QString date_text = day->ref.toString();
  const std::string date = to_cp1252_lossy(date_text);
  rv::Store& s = session_.game->store;
  if (day->cells[1].text.isEmpty()) {
    if (!session_.dialogs.ask(qs(rv::house_show_question(date)))) return;
    if (rv::book_house_show(s, date)) calendar_model_->set_row(row, calendar_row(date_text, QStringLiteral("House Show")));
    return;
  }
  session_.dialogs.info(qs(rv::describe_day(s, date)));
}

// The save mode.

void MainScreen::toggle_save_mode() {
  if (view_ == View::saves) {
    set_view(View::day);
    return;
  }
  save_page_->fill();
  set_view(View::saves);
  save_page_->list()->setFocus();
}

// The logo.

void MainScreen::show_logo_choice() {
  if (!session_.game || view_ == View::saves) return;
  logos_->clear();
  for (const auto& f : rv::logo_choices(session_.home)) logos_->addItem(qs(f));
  set_view(View::logos);
  logos_->setFocus();
}

void MainScreen::choose_logo(const QString& file) {
  if (!session_.game) return;
  if (!rv::choose_player_logo(session_.game->store, session_.home, to_cp1252_lossy(file))) {
    session_.dialogs.info(QStringLiteral("The picture %1 could not be used as the logo.").arg(file));
    return;
  }
  refresh_logo();
  set_view(View::day);
}

void MainScreen::quit_to_menu() {
  if (!session_.dialogs.ask(
          QStringLiteral("Return to the front menu? Anything you have not saved in this game will be lost."))) {
    return;
  }
  session_.game.reset();
  navigator_.restart_at(screen_name::front_menu);
}

}  // namespace rvgui
