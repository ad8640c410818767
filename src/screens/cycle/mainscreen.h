#pragma once
// The main screen, the hub of a running game: the date, the figures (balance, popularity and the
// board's rating, each with its "Why?"), the promotion's logo, the main action ("Next Day" /
// "Go To Show"), the day panel, the inbox counter, the calendar grid ("View Dates") and the save
// mode ("Save Game").
#include <QPixmap>
#include <vector>

#include "screens/shell/screen.h"

class QListWidget;
class QStackedWidget;
class QTableView;

namespace rvgui {

class AttentionPanel;
class SavePanel;
class FiguresPanel;
class GridModel;

class MainScreen : public Screen {
  Q_OBJECT

 public:
  enum class View { day, dates, saves, logos };

  MainScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override { refresh(); }
  View view() const { return view_; }
  // From this width up the contracts running out and the injured show beside the day.
  static constexpr int wide_window = 1500;
  bool save_mode() const { return view_ == View::saves; }

 public slots:
  // Shows the running game as the store holds it.
  void refresh();
  void press_main_action();
  void play_until();
  void toggle_dates();
  void toggle_save_mode();
  void show_logo_choice();
  void choose_logo(const QString& file);
  void calendar_row_clicked(int row);
  // "Main Menu" and Escape: back to the front menu when the player agrees to leave the game.
  void quit_to_menu();
  void go_back() override { quit_to_menu(); }

 protected:
  bool escape_inner() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* build_top_bar();
  QWidget* build_nav();
  void build_day_page();
  void build_calendar();
  void build_logo_page();
  void set_view(View view);
  void refresh_logo();
  void fill_calendar();
  void fill_coming_up();
  void show_messages(const std::vector<std::string>& messages);
  // After one or more days: their messages, then the end of the game or the new day shown.
  void after_days(const std::vector<std::string>& messages, bool dismissed);

  View view_ = View::day;
  QWidget* top_;
  QPushButton* logo_;
  QLabel* promotion_name_;
  QLabel* player_;
  QLabel* day_;
  QLabel* number_;
  QLabel* month_;
  QLabel* year_;
  QLabel* full_date_;
  FiguresPanel* figures_;
  AttentionPanel* attention_;
  QLabel* day_heading_;
  QLabel* day_events_;
  GridModel* coming_up_model_;
  QTableView* coming_up_;
  QPushButton* main_action_;
  QPushButton* play_until_;
  QPushButton* inbox_;
  QPushButton* view_dates_;
  QPushButton* save_game_;
  QPushButton* menu_;
  std::vector<QPushButton*> promotion_buttons_;  // the promotion's own screens
  QStackedWidget* center_;
  QWidget* day_page_;
  GridModel* calendar_model_;
  QTableView* calendar_;
  SavePanel* save_page_;
  QWidget* logo_page_;
  QListWidget* logos_;
  QString shown_logo_;  // the logo file the button shows, so that it is read only when it changes
};

}  // namespace rvgui
