#pragma once
// "Staff": the areas the player hands to his staff (renewals, signings, rival offers and the
// booking of the shows "Play Until Next Show" reaches), their budget and limits, and what the
// staff did, from their messages in the inbox. A change is kept in the game at once.
#include "screens/shell/screen.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;

namespace rvgui {

class StaffScreen : public Screen {
  Q_OBJECT

 public:
  StaffScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // The controls as the game's choices stand, the staff's reports below them.
  void refresh();
  // "Use Suggested Choices": every area handed over with the choices that suit the promotion now.
  void use_suggested();

 private:
  QWidget* build_talent_panel();
  QWidget* build_booker_panel();
  // Reads the controls into the game's choices.
  void store_choices();
  void update_usable();

  bool filling_ = false;  // the controls are being set from the game: no change to store
  QCheckBox* renewals_;
  QCheckBox* keep_stars_;
  QComboBox* renew_from_;
  QSpinBox* budget_;
  QCheckBox* signings_;
  QSpinBox* roster_size_;
  QComboBox* offers_;
  QSpinBox* accept_above_;
  QCheckBox* booking_;
  QListWidget* reports_;
  QPushButton* suggested_;
  QPushButton* back_;
};

}  // namespace rvgui
