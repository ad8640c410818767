#include "screens/widgets/figurespanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "screens/shell/navigator.h"
#include "screens/shell/screen.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/text.h"

namespace rvgui {

namespace {

// A figure's value with its "Why?" button beside it.
QHBoxLayout* value_row(QLabel* value, QPushButton* why) {
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  row->addWidget(value);
  row->addWidget(why, 0, Qt::AlignVCenter);
  row->addStretch(1);
  return row;
}

}  // namespace

FiguresPanel::FiguresPanel(Session& session, Navigator& navigator, QWidget* parent)
    : QWidget(parent), session_(session), navigator_(navigator) {
  setObjectName(QStringLiteral("figuresPanel"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(24);
  balance_ = make_label(QStringLiteral("balanceLabel"), QString(), this);
  popularity_ = make_label(QStringLiteral("popularityLabel"), QString(), this);
  board_ = make_label(QStringLiteral("boardLabel"), QString(), this);
  for (auto* l : {balance_, popularity_, board_}) l->setProperty("role", "value");
  balance_->setToolTip(QStringLiteral("The bank balance: shows, wages, the monthly income and costs, signings and releases move it"));
  popularity_->setToolTip(QStringLiteral("The promotion's popularity (0 to 100): good shows raise it, bad ones, cancelled shows and lost stars lower it"));
  board_->setToolTip(QStringLiteral("The board's rating of you, set every Saturday by the weekly review"));

  grid->addWidget(caption(QStringLiteral("balanceCaption"), QStringLiteral("BANK BALANCE"), this), 0, 0, 1, 2);
  grid->addLayout(value_row(balance_, why_button(QStringLiteral("balanceWhyButton"), rv::Figure::balance,
                                                 QStringLiteral("What moved the bank balance"))),
                  1, 0, 1, 2);
  grid->addWidget(caption(QStringLiteral("popularityCaption"), QStringLiteral("POPULARITY"), this), 2, 0);
  grid->addLayout(value_row(popularity_, why_button(QStringLiteral("popularityWhyButton"), rv::Figure::popularity,
                                                    QStringLiteral("What moved the promotion's popularity"))),
                  3, 0);
  grid->addWidget(caption(QStringLiteral("boardCaption"), QStringLiteral("BOARD RATING"), this), 2, 1);
  grid->addLayout(value_row(board_, why_button(QStringLiteral("boardWhyButton"), rv::Figure::board,
                                               QStringLiteral("What moved the board's rating"))),
                  3, 1);
}

QPushButton* FiguresPanel::why_button(const QString& object_name, rv::Figure figure, const QString& tip) {
  auto* b = make_button(object_name, QStringLiteral("Why?"), this);
  b->setProperty("role", "why");
  b->setToolTip(tip + QStringLiteral(": opens the ledger on it"));
  connect(b, &QPushButton::clicked, this, [this, figure] { explain(figure); });
  return b;
}

void FiguresPanel::refresh(const rv::Store& s) {
  const auto player = s.player_index();
  balance_->setText(qs(rv::money_text(player ? s.promotion(*player).balance() : 0)));
  popularity_->setText(QString::number(player ? s.promotion(*player).popularity() : 0));
  board_->setText(qs(s.md(rv::md::board_rating)) + QStringLiteral("%"));
}

void FiguresPanel::explain(rv::Figure figure) {
  session_.ledger_figure = figure;
  navigator_.open(screen_name::ledger);
}

}  // namespace rvgui
