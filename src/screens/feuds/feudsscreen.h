#pragma once
// The feuds: the ten feud slots in two pages of five, each with its heat bar. A free slot starts
// a feud through the choice list (type, gender, wrestlers); a running one tells its story and
// offers to end it.
#include <array>
#include <memory>

#include "feuds/feudstart.h"
#include "screens/shell/screen.h"
#include "state/layout.h"

class QListWidget;
class QProgressBar;

namespace rvgui {

class FeudsScreen : public Screen {
  Q_OBJECT

 public:
  FeudsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;
  int page() const { return page_; }
  bool starting() const { return start_ && start_->open(); }

 public slots:
  void next_page();
  // A click on row `row` of the page: a free slot starts a feud, a running one may be ended.
  void open_row(int row);
  // One choice of the list by its text ("Cancel" gives the start up).
  void choose(const QString& text);

 protected:
  bool escape_inner() override;

 private:
  QWidget* build_rows();
  QWidget* build_choices();
  void fill();
  void show_choices();
  void end_start();

  int page_ = 1;
  std::unique_ptr<rv::FeudStart> start_;
  QLabel* page_heading_;
  std::array<QPushButton*, rv::feud::slots_per_page> rows_{};
  std::array<QProgressBar*, rv::feud::slots_per_page> bars_{};
  QWidget* choice_panel_;
  QLabel* choice_caption_;
  QListWidget* choice_list_;
  QPushButton* next_;
  QPushButton* back_;
};

}  // namespace rvgui
