#pragma once
// "Contract Negotiations": a worker's current contract, a new offer composed with the adjusting
// buttons and made with "Make Offer", and "Give Release".
#include <memory>

#include "screens/shell/screen.h"

class QLineEdit;

namespace rv {
class ContractOffer;
}

namespace rvgui {

class ContractScreen : public Screen {
  Q_OBJECT

 public:
  ContractScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  ~ContractScreen() override;
  void enter() override;
  bool offering() const { return offer_ != nullptr; }

 public slots:
  void offer_new_contract();
  void cancel_negotiations();
  // The offer becomes the worker's asking terms.
  void meet_asking_terms();
  void make_offer();
  void give_release();
  // "Back to Profile" and Escape: an offer changed since it was opened is only dropped after a Yes.
  void go_back() override;

 protected:
  bool escape_inner() override;

 private:
  std::optional<std::size_t> row() const;
  void fill();
  void show_offer();
  void show_asking();
  QString offer_state() const;
  // Whether an offer the player has worked on may be dropped: asked when it changed.
  bool may_drop_offer();
  QWidget* build_offer_panel();
  QPushButton* build_asking();
  void add_step(QLayout* layout, const QString& name, const QString& text, void (rv::ContractOffer::*step)());

  std::unique_ptr<rv::ContractOffer> offer_;
  QLabel* heading_;
  QLabel* wages_;
  QLabel* role_;
  QLabel* expires_;
  QLabel* indy_;
  QLabel* career_;
  QWidget* offer_panel_;
  QLineEdit* offer_wages_;
  QLabel* offer_role_;
  QLabel* offer_length_;
  QLabel* offer_indy_;
  QLabel* asking_;
  QPushButton* offer_button_;
  QPushButton* release_;
  QPushButton* make_offer_;
  QPushButton* cancel_;
  QPushButton* back_;
  QString started_;  // the offer as it stood when it was opened
};

}  // namespace rvgui
