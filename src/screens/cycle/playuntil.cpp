#include "screens/cycle/playuntil.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <optional>

#include "cycle/playuntil.h"
#include "screens/shell/dialogs.h"
#include "screens/widgets/cp1252.h"
#include "shows/reports.h"
#include "state/date.h"

namespace rvgui {

PlayedDays play_until_next_show(rv::Game& game, const rv::Home& home, QWidget* parent) {
  PlayedDays played;
  std::optional<rv::ShowLibraries> libraries;
  if (game.store.assistant.booking) libraries = rv::load_libraries(home);
  std::optional<rv::StaffBooking> staff;
  if (libraries) staff.emplace(rv::StaffBooking{home, *libraries});
  rv::PlayUntil play(game, staff ? &*staff : nullptr);
  if (!play.can_start()) return played;
  QProgressDialog progress(QStringLiteral("Playing until your next show..."), QStringLiteral("Stop After This Day"), 0,
                           rv::play_until_day_limit, parent);
  progress.setObjectName(QStringLiteral("playUntilProgress"));
  progress.setWindowTitle(dialog_title);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);  // a quiet day or two passes without a flash of a dialog
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  bool cancelled = false;
  while (!play.finished()) {
    rv::DayReport day = play.step();
    played.messages.insert(played.messages.end(), day.messages.begin(), day.messages.end());
    played.dismissed = played.dismissed || day.dismissed;
    progress.setValue(play.days_played());
    progress.setLabelText(qs(rv::current_full_date(game.store)));
    QCoreApplication::processEvents();
    if (!play.finished() && progress.wasCanceled()) {
      cancelled = true;
      break;
    }
  }
  played.days = play.days_played();
  if (const auto stop = play.stop(); stop && !cancelled && *stop != rv::PlayStop::dismissed && *stop != rv::PlayStop::show_day)
    played.messages.emplace_back(rv::play_stop_text(*stop));
  return played;
}

}  // namespace rvgui
