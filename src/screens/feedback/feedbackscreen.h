#pragma once
// "Feedback": the staff's word on an area of the promotion. The areas are listed on the left;
// choosing one writes its messages in the text beside it.
#include "screens/shell/screen.h"

class QListWidget;
class QPlainTextEdit;

namespace rvgui {

class FeedbackScreen : public Screen {
  Q_OBJECT

 public:
  FeedbackScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Writes the area's messages in place of whatever the text showed.
  void show_area(const QString& area);

 private:
  QListWidget* areas_;
  QPlainTextEdit* text_;
  QPushButton* back_;
};

}  // namespace rvgui
