#pragma once
// The negotiation with a worker from outside the roster: in buy-out mode the sum offered his
// promotion ("Confirm Offer", then "Begin Talks" or "Negotiate"), in contract mode the wage, role,
// length and disposition offered him ("Offer Contract").
#include "screens/shell/screen.h"

class QLineEdit;

namespace rv {
class Signing;
}

namespace rvgui {

class NegotiationScreen : public Screen {
  Q_OBJECT

 public:
  NegotiationScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // The main button of the mode: Confirm Offer, Begin Talks, Negotiate or Offer Contract.
  void main_action();
  // "Cancel Interest" / "Cancel Negotiations" and Escape: nothing is stored. An offer changed
  // since the screen opened is only dropped after a Yes.
  void go_back() override;

 private:
  void fill();
  QString offer_state() const;
  void leave();
  QWidget* build_offer_panel();
  bool take_typed_amount();
  void add_step_button(QLayout* row, const QString& name, const QString& text, void (*step)(rv::Signing&));

  QLabel* heading_;
  QLabel* description_;
  QLabel* wages_;
  QLabel* balance_;
  QLabel* note_;
  QLabel* amount_caption_;
  QLineEdit* amount_;
  QWidget* terms_;
  QLabel* role_;
  QLabel* length_;
  QLabel* disposition_;
  QLabel* asking_;
  QPushButton* action_;
  QPushButton* cancel_;
  QString started_;  // the offer as it stood when the screen opened
};

}  // namespace rvgui
