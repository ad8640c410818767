#pragma once
// The one main window: every screen of the registry in a stack, one shown at a time, and the
// back stack of the screens the player came from.
#include <QMainWindow>
#include <map>
#include <vector>

#include "screens/shell/navigator.h"
#include "screens/shell/session.h"

class QStackedWidget;

namespace rvgui {

class Screen;

class MainWindow : public QMainWindow, public Navigator {
  Q_OBJECT

 public:
  MainWindow(const rv::Home& home, Dialogs& dialogs, const rv::Clock& clock, std::uint64_t seed,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The folder checks, the backgrounds, then the intro (or straight to the front menu).
  void start(bool with_intro);
  // Opens the save described by `sav_file` at its main screen; false (with the message shown
  // and the front menu back) when it cannot be loaded.
  bool load_save(const QString& sav_file);

  Session& session() { return session_; }
  Screen* screen(const QString& name) const;
  template <class T>
  T* screen_as(const QString& name) const {
    return qobject_cast<T*>(screen(name));
  }
  Screen* current_screen() const;
  QString current_name() const;
  const std::vector<QString>& back_stack() const { return back_stack_; }

  void open(const QString& name) override;
  void back() override;
  void back_to(const QString& name) override;
  void restart_at(const QString& name) override;
  void end_program() override;

 signals:
  // Exit, a dismissal or closing one of the screens that end the program.
  void program_end_requested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void show_screen(const QString& name);
  void load_backgrounds();

  Session session_;
  QStackedWidget* stack_;
  std::map<QString, Screen*> screens_;
  std::vector<QString> back_stack_;
};

}  // namespace rvgui
