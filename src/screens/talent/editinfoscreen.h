#pragma once
// "Edit Info": a worker's full name, short name, description, finisher name and type, all
// changed together by "Save Changes" or not at all.
#include "screens/shell/screen.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace rvgui {

class EditInfoScreen : public Screen {
  Q_OBJECT

 public:
  EditInfoScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Applies every field; on the first refusal shows why and changes nothing.
  void save_changes();

 private:
  QLabel* heading_;
  QLabel* used_before_;
  QLineEdit* full_name_;
  QLineEdit* short_name_;
  QPlainTextEdit* description_;
  QLineEdit* finisher_;
  QComboBox* finisher_type_;
  QPushButton* save_;
  QPushButton* back_;
};

}  // namespace rvgui
