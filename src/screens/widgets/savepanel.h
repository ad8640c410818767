#pragma once
// The save mode of the main screen: the saves of the home, the chosen one's description, and
// "Save" (into the chosen save), "New Save" and "Delete".
#include <QFrame>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace rvgui {

struct Session;

class SavePanel : public QFrame {
  Q_OBJECT

 public:
  SavePanel(Session& session, QWidget* parent);
  // Lists the saves again, none chosen.
  void fill();
  QListWidget* list() const { return saves_; }

 public slots:
  void save_into_selected();
  void new_save();
  void delete_selected_save();

 signals:
  void saved();  // the game was saved: the save mode ends

 private:
  void select_save();
  bool save_as(const std::string& name);
  void show_save(const std::string& name);

  Session& session_;
  QListWidget* saves_;
  QLabel* save_info_;
  QPushButton* save_;
  QPushButton* new_save_;
  QPushButton* delete_save_;
};

}  // namespace rvgui
