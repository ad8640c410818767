#pragma once
// The championships: the promotion's eight title slots with their holders. In "Normal Mode" a
// click opens the title's history; in "Edit Mode" a free slot creates a title and a used one is
// renamed, given a brand, vacated or retired.
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class ChampionshipsScreen : public Screen {
  Q_OBJECT

 public:
  ChampionshipsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  bool edit_mode() const { return edit_; }

 public slots:
  void toggle_mode();
  void open_slot(int slot);

 private:
  void fill();
  void create_title(std::size_t slot);
  void edit_title(std::size_t slot);
  void rename(std::size_t slot);
  void change_brand(std::size_t slot);
  void vacate(std::size_t slot);
  void retire(std::size_t slot);

  bool edit_ = false;
  QLabel* mode_label_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* mode_;
  QPushButton* back_;
};

}  // namespace rvgui
