#include "screens/shows/bookingscreen.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

#include "cycle/showday.h"
#include "promotion/venues.h"
#include "screens/shell/navigator.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/figuretips.h"
#include "screens/widgets/gridmodel.h"
#include "shows/booking.h"
#include "shows/bookingpanel.h"
#include "shows/forecast.h"
#include "shows/presentation.h"
#include "shows/runshow.h"
#include "shows/suggest.h"
#include "shows/suggest_feud.h"
#include "state/calendar.h"
#include "state/date.h"

namespace rvgui {

namespace {
const QString count_prompt = QStringLiteral("How many matches will be on this show?");
}  // namespace

BookingScreen::BookingScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("bookingScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(10);
  heading_ = make_label(QStringLiteral("bookingHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);
  caption_ = make_label(QStringLiteral("bookingCaption"), QString(), this);
  caption_->setProperty("role", "subheading");
  outer->addWidget(caption_);

  auto* count_row = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    auto* b = make_button(QStringLiteral("matchCount%1").arg(i + 1), QString(), this);
    connect(b, &QPushButton::clicked, this, [this, i] { choose_count(i); });
    counts_.push_back(b);
    count_row->addWidget(b);
  }
  count_row->addStretch(1);
  outer->addLayout(count_row);

  auto* slot_grid = new QGridLayout;
  for (int k = 1; k <= 10; ++k) {
    auto* b = make_button(QStringLiteral("matchSlot%1").arg(k), QStringLiteral("Match %1").arg(k), this);
    connect(b, &QPushButton::clicked, this, [this, k] { open_slot(k); });
    slots_.push_back(b);
    slot_grid->addWidget(b, (k - 1) / 5, (k - 1) % 5);
  }
  outer->addLayout(slot_grid);

  choices_model_ = new GridModel({QStringLiteral("Choose")}, this);
  choices_ = make_grid(QStringLiteral("bookingList"), choices_model_, this, false);
  choices_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  card_model_ = new GridModel({QStringLiteral("Card")}, this);
  card_ = make_grid(QStringLiteral("bookingCard"), card_model_, this, false);
  card_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // Short headers keep the figures a rating reads beside the names at 1024 x 768; the rest scroll.
  roster_model_ = new GridModel({QStringLiteral("Worker"), QStringLiteral("Pop"), QStringLiteral("Abl"),
                                 QStringLiteral("Hard"), QStringLiteral("Cha"), QStringLiteral("Mor"),
                                 QStringLiteral("Cond"), QStringLiteral("Booked"), QStringLiteral("Champ"),
                                 QStringLiteral("F/H"), QStringLiteral("Role"), QStringLiteral("Gender")},
                                this);
  roster_model_->set_header_tips(worker_figure_tips());
  roster_ = make_grid(QStringLiteral("bookingRoster"), roster_model_, this, true);
  roster_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);  // fitted in refresh()
  // Side by side on a wide window; on a narrow one the lists stack so that the workers' names and
  // the figures a rating reads stand whole beside each other.
  panels_ = new QHBoxLayout;
  lists_ = new QBoxLayout(QBoxLayout::LeftToRight);
  lists_->addWidget(choices_, 1);
  lists_->addWidget(card_, 1);
  panels_->addLayout(lists_, 4);
  panels_->addWidget(roster_, 6);
  arrange_panels();
  outer->addLayout(panels_, 1);

  outer->addLayout(make_footer());

  connect(choices_, &QTableView::clicked, this, [this](const QModelIndex& i) { pick(i.row()); });
  connect(clear_match_, &QPushButton::clicked, this, &BookingScreen::clear_match);
  connect(clear_show_, &QPushButton::clicked, this, &BookingScreen::clear_show);
  connect(confirm_, &QPushButton::clicked, this, &BookingScreen::confirm);
}

void BookingScreen::arrange_panels() {
  const bool wide = width() >= wide_window;
  lists_->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  panels_->setStretchFactor(lists_, wide ? 4 : 0);
  for (auto* list : {choices_, card_}) {
    list->setMinimumWidth(wide ? 220 : narrow_lists_width);
    list->setMaximumWidth(wide ? QWIDGETSIZE_MAX : narrow_lists_width);
  }
}

void BookingScreen::resizeEvent(QResizeEvent* event) {
  Screen::resizeEvent(event);
  arrange_panels();
}

// The row of buttons under the panels.
QVBoxLayout* BookingScreen::make_footer() {
  auto* rows = new QVBoxLayout;
  auto* footer = new QHBoxLayout;
  auto* actions = new QHBoxLayout;
  clear_match_ = make_button(QStringLiteral("clearMatchButton"), QStringLiteral("Clear Match"), this);
  clear_show_ = make_button(QStringLiteral("clearShowButton"), QStringLiteral("Clear Show"), this);
  footer->addWidget(clear_match_);
  footer->addWidget(clear_show_);
  footer->addStretch(1);
  for (const auto& [name, text] : {std::pair{"bookingRosterButton", "Roster"}, std::pair{"bookingFeudsButton", "Feuds"},
                                   std::pair{"bookingChampionsButton", "Champions"}, std::pair{"cardButton", "Card"}}) {
    auto* b = make_button(QString::fromLatin1(name), QString::fromLatin1(text), this);
    footer->addWidget(b);
    const QString label = QString::fromLatin1(text);
    if (label == QStringLiteral("Card")) {
      connect(b, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::line_up); });
      continue;
    }
    // The roster, the feuds and the championships come back here.
    const QString target = label == QStringLiteral("Roster") ? screen_name::roster
                           : label == QStringLiteral("Feuds") ? screen_name::feuds
                                                              : screen_name::championships;
    connect(b, &QPushButton::clicked, this, [this, target] {
      session_.opened_from_booking = true;
      navigator_.open(target);
    });
  }
  auto* suggest = make_button(QStringLiteral("suggestCardButton"), QStringLiteral("Suggest Card"), this);
  suggest->setToolTip(QStringLiteral("Fills the empty slots as the Assistant Booker would: the running feuds and the "
                                     "titles owed a defence first, the most popular worker in the main event, the "
                                     "worn out rested and no pairing of the last four weeks again."));
  actions->addWidget(suggest);
  actions->addStretch(1);
  connect(suggest, &QPushButton::clicked, this, &BookingScreen::suggest_card);
  confirm_ = make_button(QStringLiteral("confirmCardButton"), QStringLiteral("Confirm"), this);
  set_default_button(confirm_);
  confirm_->setProperty("role", "main");
  actions->addWidget(confirm_);
  auto* back = make_button(QStringLiteral("bookingBackButton"), QStringLiteral("Back"), this);
  actions->addWidget(back);
  connect(back, &QPushButton::clicked, this, &BookingScreen::go_back);
  rows->addLayout(footer);
  rows->addLayout(actions);
  return rows;

}

void BookingScreen::ensure_booking() {
  if (session_.booking || !session_.game) return;
  rv::BookingSetting setting;
  if (session_.booked_show) {
    setting.brand = session_.booked_show->show.brand;
    setting.big_show = session_.booked_show->show.type == rv::ShowType::big;
  } else if (auto show = rv::next_show(session_.game->store)) {
    setting.brand = show->brand;
    setting.big_show = show->type == rv::ShowType::big;
  }
  session_.booking = std::make_shared<rv::Booking>(session_.game->store, setting);
  session_.booking_date = rv::current_full_date(session_.game->store);
}

void BookingScreen::enter() {
  ensure_booking();
  QString heading = QStringLiteral("Booking");
  if (session_.booked_show) heading = qs(session_.booked_show->heading);
  else if (session_.game) {
    if (auto show = rv::next_show(session_.game->store)) heading = QStringLiteral("Booking For ") + qs(show->name);
  }
  heading_->setText(heading);
  refresh();
}

void BookingScreen::refresh() {
  rv::Booking* b = session_.booking.get();
  const bool counting = !b || b->step() == rv::BookingStep::count;
  caption_->setText(counting ? count_prompt : b ? qs(b->caption()) : QString());
  const std::vector<int> choices = b ? b->count_choices() : std::vector<int>{};
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    counts_[i]->setVisible(counting && i < choices.size());
    if (i < choices.size()) counts_[i]->setText(QString::number(choices[i]));
  }
  for (std::size_t k = 0; k < slots_.size(); ++k) {
    slots_[k]->setVisible(!counting);
    set_usable(slots_[k], b && b->slot_usable(k + 1) ? QString() : QStringLiteral("This show has %1 matches.").arg(b ? b->match_count() : 0),
               QStringLiteral("Books match %1, or shows it when it is booked").arg(k + 1));
    slots_[k]->setProperty("role", b && b->slot_booked(k + 1) ? "main" : "");
    slots_[k]->style()->unpolish(slots_[k]);
    slots_[k]->style()->polish(slots_[k]);
  }
  std::vector<GridModel::Row> list, card, roster;
  std::vector<QString> card_tips;
  if (b) {
    const auto offered = b->choices();  // a row stands for its place: two entries may read alike
    for (std::size_t i = 0; i < offered.size(); ++i) list.push_back({{{qs(offered[i])}}, QVariant::fromValue<qulonglong>(i)});
    // What each booked match will rate on the night, from today's figures.
    std::optional<rv::CardForecast> ahead;
    if (session_.game && session_.booked_show && !counting) ahead = rv::forecast_card(session_.game->store, *session_.booked_show, *b);
    bool any_expected = false;
    for (std::size_t k = 1; k <= rv::rec::match_slots; ++k) {
      if (!b->slot_usable(k)) continue;
      QString header = QStringLiteral("Match %1").arg(k);
      QString tip;
      if (ahead && b->slot_booked(k) && !ahead->ratings[k - 1].empty()) {
        header += QStringLiteral(" (expected rating: %1%)").arg(qs(ahead->ratings[k - 1]));
        QStringList lines;
        for (const auto& line : rv::rating_term_lines(ahead->terms[k - 1])) lines << qs(line);
        tip = lines.join(QLatin1Char('\n'));
        any_expected = true;
      }
      card.push_back({{{header, {}, true}}, {}});
      card_tips.push_back(tip);
      for (const auto& line : b->slot_display(k)) {
        card.push_back({{{qs(line)}}, {}});
        card_tips.push_back(tip);
      }
    }
    if (ahead && any_expected) {
      card.push_back({{{qs(ahead->overall), {}, true}}, {}});
      card_tips.emplace_back();
    }
    const auto figure = [](rv::Num n) { return GridModel::Cell(QString::number(n), QVariant::fromValue(n)); };
    const auto panel = session_.game ? rv::booking_panel(session_.game->store, b->roster()) : std::vector<rv::PanelWorker>{};
    for (const auto& w : panel) {
      roster.push_back({{{qs(w.name)}, figure(w.draw), figure(w.ability), figure(w.hardcore), figure(w.charisma),
                         figure(w.morale), figure(w.condition), {w.on_card ? QStringLiteral("Yes") : QStringLiteral("No")},
                         {w.champion ? QStringLiteral("Yes") : QString()}, {qs(w.disposition)}, {qs(w.role)}, {qs(w.gender)}},
                        qs(w.name)});
    }
  }
  choices_model_->set_rows(std::move(list));
  card_model_->set_rows(std::move(card));
  card_model_->set_tips(std::move(card_tips));
  roster_model_->set_rows(std::move(roster));
  fit_columns(roster_, *roster_model_);
  set_usable(clear_match_, b && b->current_slot() != 0 ? QString() : QStringLiteral("Open a match first: Clear Match empties the match open."),
             QStringLiteral("Empties the match open and frees its workers"));
  set_usable(clear_show_, counting ? QStringLiteral("Nothing is booked yet.") : QString(),
             QStringLiteral("Empties the whole card and asks the number of matches again"));
  const auto lacking = b ? b->confirm_problem() : std::optional<std::string>("There is no card to confirm.");
  set_usable(confirm_, lacking ? qs(*lacking) : QString(), QStringLiteral("Runs the show with this card"));
}

void BookingScreen::choose_count(int index) {
  ensure_booking();
  if (!session_.booking) return;
  const auto choices = session_.booking->count_choices();
  if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) return;
  session_.booking->choose_count(choices[static_cast<std::size_t>(index)]);
  refresh();
}

void BookingScreen::open_slot(int slot) {
  if (!session_.booking || slot < 1) return;
  session_.booking->open_slot(static_cast<std::size_t>(slot));
  refresh();
}

void BookingScreen::pick(int model_row) {
  rv::Booking* b = session_.booking.get();
  const GridModel::Row* row = choices_model_->row_at(model_row);
  if (!b || !row) return;
  const auto index = static_cast<std::size_t>(row->ref.toULongLong());
  if (b->step() == rv::BookingStep::title) {  // a title already on the line elsewhere is asked about first
    const auto offered = b->choices();
    if (index < offered.size())
      if (const auto other = b->title_booked_elsewhere(offered[index]))
        if (!session_.dialogs.ask(qs(rv::Booking::title_again_question(*other)))) return;
  }
  b->choose_at(index);
  if (b->step() == rv::BookingStep::team_names) ask_team_names();
  refresh();
  // A battle royal's entrants are chosen on a screen of their own.
  if (b->awaiting_battle_royal()) navigator_.open(screen_name::battle_royal);
}

void BookingScreen::ask_team_names() {
  rv::Booking* b = session_.booking.get();
  while (b->step() == rv::BookingStep::team_names) {
    auto name = ask_game_text(session_.dialogs, qs(b->team_question()), qs(b->team_proposal()));
    if (!name) {  // a cancelled name steps back to the last worker picked
      b->step_back_a_pick();
      return;
    }
    if (const auto problem = b->team_name_problem(*name)) {  // refused: the same team is asked again
      session_.dialogs.info(qs(*problem));
      continue;
    }
    b->name_team(*name);
  }
}

void BookingScreen::clear_match() {
  if (!session_.booking || session_.booking->current_slot() == 0) return;
  if (!session_.dialogs.ask(qs(rv::Booking::clear_match_question()))) return;
  session_.booking->clear_match();
  refresh();
}

void BookingScreen::clear_show() {
  if (!session_.booking) return;
  if (!session_.dialogs.ask(qs(rv::Booking::clear_show_question()))) return;
  session_.booking->clear_show();
  refresh();
}

void BookingScreen::suggest_card() {
  ensure_booking();
  if (!session_.booking || !session_.game) return;
  offer_a_feud();
  const auto result = rv::suggest_card(*session_.booking, session_.game->store, session_.game->rng);
  if (!result.complete && !result.notes.empty()) session_.dialogs.info(qs(result.notes.front()));
  refresh();
}

// With empty slots to fill and no hot feud to book, the booker proposes one first.
void BookingScreen::offer_a_feud() {
  rv::Store& store = session_.game->store;
  if (session_.booking->can_confirm() || rv::hot_feud_on_offer(store)) return;
  const auto proposal = rv::propose_feud(store);
  if (!proposal || !session_.dialogs.ask(qs(rv::feud_proposal_question(*proposal)))) return;
  if (const auto slot = rv::start_proposed_feud(store, *proposal); !slot) session_.dialogs.info(qs(slot.error()));
}

void BookingScreen::confirm() {
  if (!session_.booking || !session_.game) return;
  if (const auto lacking = session_.booking->confirm_problem()) {
    session_.dialogs.info(qs(*lacking));
    return;
  }
  rv::BookedShow booked;
  if (session_.booked_show) {
    booked = *session_.booked_show;
  } else if (auto show = rv::next_show(session_.game->store)) {  // a card opened without a venue
    booked.show = *show;
    booked.heading = "Booking For " + show->name;
  }
  confirm_->setEnabled(false);
  std::optional<rv::Result<rv::ShowRun>> run;
  {
    BusyCursor busy;
    run.emplace(rv::run_show(*session_.game, booked, *session_.booking, rv::load_libraries(session_.home)));
  }
  if (!*run) {
    session_.dialogs.info(qs(run->error()));
    refresh();
    return;
  }
  session_.presentation = std::make_shared<rv::ShowPresentation>(rv::present_show(**run));
  session_.booking.reset();
  session_.booked_show.reset();
  navigator_.restart_at(screen_name::show_intro);
}

}  // namespace rvgui
