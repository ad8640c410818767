#pragma once
// "Latest Prospect Of The Training Camp": the trainee the camp has ready, his figures, and
// "Sign Prospect" with the names, finisher and terms he is signed under.
#include <array>

#include "screens/shell/screen.h"

class QComboBox;
class QLineEdit;
class QProgressBar;

namespace rvgui {

class TrainingCampScreen : public Screen {
  Q_OBJECT

 public:
  TrainingCampScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  bool signing() const;

 public slots:
  // Opens the signing form, prefilled for the prospect.
  void start_signing();
  void cancel_signing();
  // Signs the prospect as the form stands; shows the refusal, or the contract and the empty camp.
  void confirm_signing();

 protected:
  bool escape_inner() override;

 private:
  QWidget* build_prospect_panel();
  QWidget* build_sign_panel();
  void fill();
  void show_finisher_warning();

  static constexpr int figure_count = 4;
  QWidget* prospect_panel_;
  QLabel* name_;
  QLabel* gender_;
  QLabel* style_;
  QLabel* weight_;
  std::array<QProgressBar*, figure_count> figures_{};
  QLabel* empty_;
  QWidget* sign_panel_;
  QLineEdit* ring_name_;
  QLineEdit* short_name_;
  QLineEdit* finisher_;
  QLabel* finisher_warning_;
  QComboBox* disposition_;
  QComboBox* finisher_type_;
  QComboBox* indy_;
  QPushButton* sign_;
  QPushButton* confirm_;
  QPushButton* cancel_;
  QPushButton* back_;
};

}  // namespace rvgui
