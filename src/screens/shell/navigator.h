#pragma once
// How a screen moves to another: by name, through the main window's back stack.
#include <QString>

namespace rvgui {

// The names of the screens, as the registry and `--screen NAME` know them.
namespace screen_name {
inline const QString intro = QStringLiteral("intro");
inline const QString front_menu = QStringLiteral("frontmenu");
inline const QString choice = QStringLiteral("choice");
inline const QString main = QStringLiteral("main");
inline const QString inbox = QStringLiteral("inbox");
inline const QString championships = QStringLiteral("championships");
inline const QString feuds = QStringLiteral("feuds");
inline const QString title_history = QStringLiteral("titlehistory");
inline const QString shows = QStringLiteral("shows");
inline const QString big_show = QStringLiteral("bigshow");
inline const QString teams = QStringLiteral("teams");
inline const QString venues = QStringLiteral("venues");
inline const QString booking = QStringLiteral("booking");
inline const QString battle_royal = QStringLiteral("battleroyal");
inline const QString line_up = QStringLiteral("lineup");
inline const QString show_intro = QStringLiteral("showintro");
inline const QString playback = QStringLiteral("playback");
inline const QString results = QStringLiteral("results");
inline const QString royal_details = QStringLiteral("royaldetails");
inline const QString report = QStringLiteral("report");
inline const QString roster = QStringLiteral("roster");
inline const QString profile = QStringLiteral("profile");
inline const QString edit_info = QStringLiteral("editinfo");
inline const QString contract = QStringLiteral("contract");
inline const QString signing = QStringLiteral("signing");
inline const QString outside_profile = QStringLiteral("outsideprofile");
inline const QString negotiation = QStringLiteral("negotiation");
inline const QString training_camp = QStringLiteral("trainingcamp");
inline const QString indy_booking = QStringLiteral("indybooking");
inline const QString general_info = QStringLiteral("generalinfo");
inline const QString records = QStringLiteral("records");
inline const QString rankings = QStringLiteral("rankings");
inline const QString feedback = QStringLiteral("feedback");
inline const QString history = QStringLiteral("history");
inline const QString ledger = QStringLiteral("ledger");
inline const QString staff = QStringLiteral("staff");
}  // namespace screen_name

class Navigator {
 public:
  virtual ~Navigator() = default;
  // Shows the screen `name`, keeping the current one on the back stack.
  virtual void open(const QString& name) = 0;
  // Back to the screen this one was opened from (nothing when there is none).
  virtual void back() = 0;
  // Back past the screens in between to the nearest screen `name` on the back stack (the
  // booking under a roster under a profile); like back() when `name` is not there.
  virtual void back_to(const QString& name) = 0;
  // Shows the screen `name` with an empty back stack (the front menu, a game's main screen).
  virtual void restart_at(const QString& name) = 0;
  // Exit, a dismissal: the program ends.
  virtual void end_program() = 0;
};

}  // namespace rvgui
