#pragma once
// The main screen, the hub of a running game: the date, the balance, the board's rating, the
// promotion's logo, the main action ("Next Day" / "Go To Show"), the day panel, the inbox
// counter, the calendar grid ("View Dates") and the save mode ("Save Game").
#include <QPixmap>

#include "screens/screen.h"

class QListWidget;
class QStackedWidget;
class QTableWidget;

namespace rvgui {

struct Session;

class MainScreen : public Screen {
  Q_OBJECT

 public:
  enum class View { day, dates, saves, logos };

  MainScreen(Session& session, QWidget* parent = nullptr);
  View view() const { return view_; }
  bool save_mode() const { return view_ == View::saves; }

 public slots:
  // Shows the running game as the store holds it.
  void refresh();
  void press_main_action();
  void toggle_dates();
  void toggle_save_mode();
  void show_logo_choice();
  void choose_logo(const QString& file);
  void calendar_row_clicked(int row);
  void save_into_selected();
  void new_save();
  void delete_selected_save();
  void quit_to_menu();

 signals:
  void inbox_requested();
  void menu_requested();
  void show_requested();  // today's show can go ahead: the venue and booking screens come next
  void game_ended();      // the board has dismissed the player

 protected:
  bool escape_inner() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void set_view(View view);
  void refresh_logo();
  void fill_calendar();
  void fill_coming_up();
  void fill_saves();
  void select_save();
  void show_messages(const std::vector<std::string>& messages);
  bool save_as(const std::string& folder);

  Session& session_;
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
  QLabel* balance_;
  QLabel* board_;
  QLabel* day_heading_;
  QLabel* day_events_;
  QTableWidget* coming_up_;
  QPushButton* main_action_;
  QPushButton* inbox_;
  QPushButton* view_dates_;
  QPushButton* save_game_;
  QPushButton* menu_;
  QStackedWidget* center_;
  QWidget* day_page_;
  QTableWidget* calendar_;
  QWidget* save_page_;
  QListWidget* saves_;
  QLabel* save_info_;
  QPushButton* save_;
  QPushButton* new_save_;
  QPushButton* delete_save_;
  QWidget* logo_page_;
  QListWidget* logos_;
  QString shown_logo_;  // the logo file the button shows, so that it is read only when it changes
};

}  // namespace rvgui
