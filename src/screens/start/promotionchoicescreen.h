#pragma once
// The promotion choice: eleven buttons (ten promotions of the world, then "Create New Indy"), the
// selected promotion's information and logo, and the start button.
#include <array>

#include "screens/shell/screen.h"

namespace rvgui {

class PromotionChoiceScreen : public Screen {
  Q_OBJECT

 public:
  PromotionChoiceScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  // Fills the buttons from the world being chosen from and selects the first promotion.
  void load();
  void enter() override { load(); }
  // The chosen button's caption ("templabel") and index.
  const QString& chosen() const { return chosen_; }
  int chosen_index() const { return chosen_index_; }

 public slots:
  void choose(int index);
  void start();
  void go_back() override;

 private:
  QWidget* build_info_panel();
  bool create_indy(std::string& initials);
  std::optional<std::string> ask_until_valid(const QString& question, const QString& default_answer,
                                             const std::function<std::optional<std::string>(const std::string&)>& problem);

  std::array<QPushButton*, 11> buttons_{};
  QLabel* logo_;
  QLabel* name_;
  QLabel* type_;
  QLabel* funds_;
  QLabel* website_;
  QLabel* slogan_;
  QPushButton* start_;
  QPushButton* back_;
  QString chosen_;
  int chosen_index_ = 0;
};

}  // namespace rvgui
