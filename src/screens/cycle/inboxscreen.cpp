#include "screens/cycle/inboxscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "state/game.h"
#include "state/inbox.h"
#include "talent/answers.h"
#include "talent/roster.h"

namespace rvgui {

namespace {

enum Column { from_column, subject_column, received_column, status_column };

// A message as a row of the grid: sorted by "Received" in the order the inbox holds them.
GridModel::Row message_row(const QString& sender, const QString& subject, const QString& received,
                           const QString& status, std::size_t first_line, bool unread) {
  const auto line = static_cast<qlonglong>(first_line);
  GridModel::Row row{{{sender}, {subject}, {received, line}, {status}}, line};
  for (auto& c : row.cells) c.bold = unread;
  return row;
}

}  // namespace

InboxScreen::InboxScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("inboxScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("inboxHeading"), QStringLiteral("Inbox"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  model_ = new GridModel({QStringLiteral("From"), QStringLiteral("Subject"), QStringLiteral("Received"),
                          QStringLiteral("Status")},
                         this);
  grid_ = make_grid(QStringLiteral("inboxGrid"), model_, this, true);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
  outer->addWidget(grid_, 3);

  auto* message = new QFrame(this);
  message->setObjectName(QStringLiteral("messagePanel"));
  message->setProperty("role", "panel");
  auto* ml = new QVBoxLayout(message);
  ml->setContentsMargins(18, 14, 18, 14);
  auto* head = new QGridLayout;
  from_ = make_label(QStringLiteral("messageFromLabel"), QString(), message);
  date_ = make_label(QStringLiteral("messageDateLabel"), QString(), message);
  subject_ = make_label(QStringLiteral("messageSubjectLabel"), QString(), message);
  subject_->setProperty("role", "subheading");
  date_->setProperty("role", "small");
  head->addWidget(subject_, 0, 0);
  head->addWidget(date_, 0, 1, Qt::AlignRight);
  head->addWidget(from_, 1, 0, 1, 2);
  ml->addLayout(head);
  text_ = new QTextBrowser(message);
  text_->setObjectName(QStringLiteral("messageText"));
  text_->setOpenLinks(false);
  text_->setToolTip(QStringLiteral("A worker's name opens his profile."));
  ml->addWidget(text_, 1);
  auto* answers = new QHBoxLayout;
  action1_ = make_button(QStringLiteral("action1Button"), QStringLiteral("Delete"), message);
  action2_ = make_button(QStringLiteral("action2Button"), QString(), message);
  action3_ = make_button(QStringLiteral("action3Button"), QString(), message);
  answers->addStretch(1);
  answers->addWidget(action2_);
  answers->addWidget(action3_);
  answers->addWidget(action1_);
  ml->addLayout(answers);
  outer->addWidget(message, 2);

  auto* footer = new QHBoxLayout;
  delete_all_ = make_button(QStringLiteral("deleteAllButton"), QStringLiteral("Delete All"), this);
  close_ = make_button(QStringLiteral("closeButton"), QStringLiteral("Close"), this);
  footer->addWidget(delete_all_);
  footer->addStretch(1);
  footer->addWidget(close_);
  outer->addLayout(footer);

  setTabOrder(grid_, action2_);
  setTabOrder(action2_, action3_);
  setTabOrder(action3_, action1_);
  setTabOrder(action1_, delete_all_);
  setTabOrder(delete_all_, close_);

  // The newest message first; a click on a header sorts by that column.
  grid_->sortByColumn(received_column, Qt::DescendingOrder);
  connect(text_, &QTextBrowser::anchorClicked, this, &InboxScreen::open_worker);
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& index) { open_row(index.row()); });
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& index) { open_row(index.row()); });
  connect(action1_, &QPushButton::clicked, this, &InboxScreen::delete_open);
  connect(action2_, &QPushButton::clicked, this, &InboxScreen::answer_action2);
  connect(action3_, &QPushButton::clicked, this, &InboxScreen::answer_action3);
  connect(delete_all_, &QPushButton::clicked, this, &InboxScreen::delete_all);
  connect(close_, &QPushButton::clicked, this, &InboxScreen::go_back);
  clear_panel();
}

void InboxScreen::clear_panel() {
  open_.reset();
  from_->clear();
  date_->clear();
  subject_->clear();
  text_->clear();
  action1_->hide();
  action2_->hide();
  action3_->hide();
}

void InboxScreen::show_inbox() {
  clear_panel();
  std::vector<GridModel::Row> rows;
  if (session_.game) {
    for (const auto& m : rv::inbox_rows(session_.game->store)) {
      rows.push_back(message_row(qs(m.sender), qs(m.subject), qs(m.received), qs(m.status), m.first_line, m.unread));
    }
  }
  model_->set_rows(std::move(rows));
}

void InboxScreen::open_row(int row) {
  const int at = model_row(grid_, row);
  const GridModel::Row* shown = model_->row_at(at);
  if (!session_.game || !shown) return;
  const auto first_line = static_cast<std::size_t>(shown->ref.toLongLong());
  const auto opened = rv::open_message(session_.game->store, first_line);
  if (!opened) return;
  open_ = first_line;
  from_->setText(QStringLiteral("From: ") + qs(opened->sender));
  date_->setText(qs(opened->date));
  subject_->setText(qs(opened->subject));
  show_text(opened->text, opened->mentions);
  const auto& cells = shown->cells;
  model_->set_row(at, message_row(cells[from_column].text, cells[subject_column].text, cells[received_column].text,
                                  QStringLiteral("Read"), first_line, false));
  switch (opened->answers) {
    case rv::Answers::yes_no:
      action2_->setText(QStringLiteral("Yes"));
      action3_->setText(QStringLiteral("No"));
      break;
    case rv::Answers::accept_decline:
      action2_->setText(QStringLiteral("Accept"));
      action3_->setText(QStringLiteral("Decline"));
      break;
    case rv::Answers::delete_only: break;
  }
  const bool answerable = opened->answers != rv::Answers::delete_only;
  action1_->setVisible(!answerable);
  action2_->setVisible(answerable);
  action3_->setVisible(answerable);
}

void InboxScreen::show_text(const std::string& text, const std::vector<rv::Mention>& mentions) {
  // The text as it stands, each worker's name a link to him.
  mentioned_.clear();
  QString html;
  std::size_t from = 0;
  const auto plain = [](std::string_view part) { return qs(std::string(part)).toHtmlEscaped(); };
  for (const auto& m : mentions) {
    if (m.at < from || m.at + m.length > text.size()) continue;
    html += plain(std::string_view(text).substr(from, m.at - from));
    html += QStringLiteral("<a href=\"worker:%1\" style=\"color:#f5c542;\">%2</a>")
                .arg(mentioned_.size())
                .arg(plain(std::string_view(text).substr(m.at, m.length)));
    mentioned_.push_back(m.worker);
    from = m.at + m.length;
  }
  html += plain(std::string_view(text).substr(from));
  html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  text_->setHtml(html);
}

void InboxScreen::open_worker(const QUrl& link) {
  bool number = false;
  const auto k = link.path().toULongLong(&number);
  if (!session_.game || !number || k >= mentioned_.size()) return;
  const std::string& name = mentioned_[k];
  const rv::Store& store = session_.game->store;
  if (const auto own = rv::roster_worker(store, name); own && store.worker(*own).name() == name) {
    session_.profile_worker = name;
    navigator_.open(screen_name::profile);
    return;
  }
  session_.outside_worker = name;
  navigator_.open(screen_name::outside_profile);
}

void InboxScreen::delete_open() {
  if (!session_.game || !open_) return;
  rv::delete_message(session_.game->store, *open_);
  show_inbox();
}

void InboxScreen::delete_all() {
  if (!session_.game) return;
  if (rv::inbox_empty(session_.game->store)) {
    session_.dialogs.info(qs(rv::inbox_empty_message));
    return;
  }
  if (!session_.dialogs.ask(qs(rv::delete_all_question))) return;
  rv::delete_all_messages(session_.game->store);
  show_inbox();
}

void InboxScreen::answer_action2() { answer(true); }

void InboxScreen::answer_action3() { answer(false); }

void InboxScreen::answer(bool second) {
  if (!session_.game || !open_) return;
  const std::size_t line = *open_;
  const rv::AnswerResult result = second ? rv::answer_action2(*session_.game, line) : rv::answer_action3(*session_.game, line);
  for (const auto& m : result.messages) session_.dialogs.info(qs(m));
  if (!result.answered) session_.dialogs.info(QStringLiteral("This message can no longer be answered."));
  show_inbox();
  // A message that stays (with a note added to it) is shown again.
  if (!result.message_kept) return;
  open_row(view_row(grid_, model_->find_ref(static_cast<qlonglong>(line))));
}

bool InboxScreen::escape_inner() { return false; }

}  // namespace rvgui
