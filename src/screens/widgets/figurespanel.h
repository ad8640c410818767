#pragma once
// The main screen's figures: the bank balance, the promotion's popularity and the board's rating,
// each with a "Why?" button that opens the ledger on what moved it.
#include <QWidget>

#include "state/ledger.h"

class QLabel;
class QPushButton;

namespace rv {
struct Store;
}

namespace rvgui {

class Navigator;
struct Session;

class FiguresPanel : public QWidget {
  Q_OBJECT

 public:
  FiguresPanel(Session& session, Navigator& navigator, QWidget* parent);
  // Shows the figures as the store holds them.
  void refresh(const rv::Store& store);

 public slots:
  // Opens the ledger on one figure.
  void explain(rv::Figure figure);

 private:
  QPushButton* why_button(const QString& object_name, rv::Figure figure, const QString& tip);

  Session& session_;
  Navigator& navigator_;
  QLabel* balance_;
  QLabel* popularity_;
  QLabel* board_;
};

}  // namespace rvgui
