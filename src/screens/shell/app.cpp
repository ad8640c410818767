#include "screens/shell/app.h"

#include "screens/shell/mainwindow.h"
#include "screens/shell/registry.h"
#include "screens/shows/battleroyalscreen.h"
#include "screens/shows/showsample.h"
#include "screens/talent/contractscreen.h"
#include "screens/widgets/cp1252.h"
#include "state/home.h"
#include "state/newgame.h"

#ifndef RINGVALE_BUNDLED_WORLD
#define RINGVALE_BUNDLED_WORLD ""
#endif

namespace rvgui {

QString usage_text() {
  return QStringLiteral(
      "Usage: ringvale [--home DIR] [--seed N] [--no-intro] [--size WxH]\n"
      "                [--screenshot FILE [--load SAVE] [--screen NAME]] [--list-screens]\n"
      "  --home DIR         the game home (default: the per-user data folder)\n"
      "  --seed N           seed of the random generator (default: from the clock)\n"
      "  --no-intro         start at the front menu\n"
      "  --screenshot FILE  show the front menu (or with --load the main screen of SAVE),\n"
      "                     write a PNG of the window to FILE and exit\n"
      "  --screen NAME      with --screenshot: picture the screen NAME instead\n"
      "  --size WxH         the window's size (default 1280x800)\n"
      "  --list-screens     print the names of the screens and exit\n");
}

ParsedOptions parse_options(const QStringList& args) {
  ParsedOptions parsed;
  AppOptions o;
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&](QString& out) {
      if (i + 1 >= args.size()) {
        parsed.error = a + QStringLiteral(" needs a value.");
        return false;
      }
      out = args[++i];
      return true;
    };
    QString v;
    if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      parsed.help = true;
      return parsed;
    } else if (a == QLatin1String("--home")) {
      if (!value(v)) return parsed;
      o.home = std::filesystem::path(v.toStdString());
    } else if (a == QLatin1String("--seed")) {
      if (!value(v)) return parsed;
      bool ok = false;
      const qulonglong n = v.toULongLong(&ok);
      if (!ok) {
        parsed.error = QStringLiteral("--seed needs a whole number, not \"%1\".").arg(v);
        return parsed;
      }
      o.seed = n;
    } else if (a == QLatin1String("--screenshot")) {
      if (!value(v)) return parsed;
      o.screenshot = std::filesystem::path(v.toStdString());
      o.skip_intro = true;
    } else if (a == QLatin1String("--load")) {
      if (!value(v)) return parsed;
      o.load = v.toStdString();
    } else if (a == QLatin1String("--screen")) {
      if (!value(v)) return parsed;
      if (!find_screen_entry(v)) {
        parsed.error = QStringLiteral("There is no screen called \"%1\" (--list-screens names them).").arg(v);
        return parsed;
      }
      o.screen = v;
    } else if (a == QLatin1String("--size")) {
      if (!value(v)) return parsed;
      const QStringList wh = v.split(QLatin1Char('x'));
      bool ok_w = false, ok_h = false;
      const int w = wh.size() == 2 ? wh[0].toInt(&ok_w) : 0;
      const int h = wh.size() == 2 ? wh[1].toInt(&ok_h) : 0;
      if (!ok_w || !ok_h || w < 1024 || h < 768 || w > 7680 || h > 4320) {
        parsed.error = QStringLiteral("--size needs WIDTHxHEIGHT from 1024x768 to 7680x4320, not \"%1\".").arg(v);
        return parsed;
      }
      o.size = QSize(w, h);
    } else if (a == QLatin1String("--list-screens")) {
      o.list_screens = true;
    } else if (a == QLatin1String("--no-intro")) {
      o.skip_intro = true;
    } else {
      parsed.error = QStringLiteral("Unknown option \"%1\".").arg(a);
      return parsed;
    }
  }
  if ((!o.load.empty() || !o.screen.isEmpty()) && o.screenshot.empty()) {
    parsed.error = QStringLiteral("--load and --screen are used with --screenshot.");
    return parsed;
  }
  if (const auto* entry = find_screen_entry(o.screen); entry && entry->needs == Needs::game && o.load.empty()) {
    parsed.error = QStringLiteral("The screen \"%1\" shows a running game: give --load SAVE too.").arg(o.screen);
    return parsed;
  }
  if (o.home.empty()) o.home = rv::default_home_path();
  parsed.options = o;
  return parsed;
}

std::filesystem::path bundled_world(const std::filesystem::path& program_folder) {
  return rv::find_bundled_world(program_folder, RINGVALE_BUNDLED_WORLD);
}

}  // namespace rvgui

namespace rvgui {

bool open_for_screenshot(MainWindow& window, const QString& name) {
  const ScreenEntry* entry = find_screen_entry(name);
  Session& session = window.session();
  if (!entry) return false;
  if (entry->needs == Needs::game && !session.game) {
    session.dialogs.info(QStringLiteral("The screen \"%1\" shows a running game: give --load SAVE too.").arg(name));
    return false;
  }
  if (entry->needs == Needs::world && !session.pending) {
    auto world = rv::start_new_game(session.home, "Player 1", "");
    if (!world) {
      session.dialogs.info(qs(world.error()));
      return false;
    }
    session.pending = std::make_unique<rv::NewGame>(std::move(*world));
  }
  // The battle royal screen shows a battle royal waiting for its entrants: one is set up when the
  // save has none (without one the screen is simply empty).
  if (name == screen_name::battle_royal) prepare_battle_royal(session);
  // The presentation screens and the line-up picture a show booked and run for the purpose.
  if (name == screen_name::show_intro || name == screen_name::playback || name == screen_name::results ||
      name == screen_name::royal_details || name == screen_name::line_up)
    prepare_sample_show(session);
  window.open(name);
  // The contract screen is pictured with an offer being composed, its asking terms shown.
  if (name == screen_name::contract) {
    if (auto* contract = window.findChild<ContractScreen*>(QStringLiteral("contractScreen"))) contract->offer_new_contract();
  }
  return true;
}

}  // namespace rvgui
