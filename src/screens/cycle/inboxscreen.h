#pragma once
// The inbox: the grid of messages (unread ones in bold), the open message with the answers its
// kind allows, "Delete", "Delete All" and the way back to the main screen.
#include <optional>
#include <string>
#include <vector>

#include "screens/shell/screen.h"

class QTableView;
class QTextBrowser;
class QUrl;

namespace rv {
struct Mention;
}

namespace rvgui {

class GridModel;

class InboxScreen : public Screen {
  Q_OBJECT

 public:
  InboxScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override { show_inbox(); }
  // The first line of the open message in the inbox table.
  std::optional<std::size_t> open_message_line() const { return open_; }

 public slots:
  // Fills the grid and clears the message panel ("showinbox").
  void show_inbox();
  void open_row(int row);
  void delete_open();
  void delete_all();
  // The two answers of an offer or a release request.
  void answer_action2();
  void answer_action3();
  // A worker's name clicked in the open message: his profile, on the roster or outside it.
  void open_worker(const QUrl& link);

 protected:
  bool escape_inner() override;

 private:
  void clear_panel();
  void show_text(const std::string& text, const std::vector<rv::Mention>& mentions);
  // Answers the open message with its second (Yes / Accept) or third (No / Decline) answer.
  void answer(bool second);

  GridModel* model_;
  QTableView* grid_;
  QLabel* from_;
  QLabel* date_;
  QLabel* subject_;
  QTextBrowser* text_;
  QPushButton* action1_;
  QPushButton* action2_;
  QPushButton* action3_;
  QPushButton* delete_all_;
  QPushButton* close_;
  std::optional<std::size_t> open_;
  std::vector<std::string> mentioned_;  // the workers the open message's links name, by link
};

}  // namespace rvgui
