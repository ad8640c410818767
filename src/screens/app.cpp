#include "screens/app.h"

#include <system_error>

#include "state/home.h"

#ifndef RINGVALE_BUNDLED_WORLD
#define RINGVALE_BUNDLED_WORLD ""
#endif

namespace rvgui {

QString usage_text() {
  return QStringLiteral(
      "Usage: ringvale [--home DIR] [--seed N] [--no-intro] [--screenshot FILE [--load SAVE]]\n"
      "  --home DIR         the game home (default: the per-user data folder)\n"
      "  --seed N           seed of the random generator (default: from the clock)\n"
      "  --no-intro         start at the front menu\n"
      "  --screenshot FILE  show the front menu (or with --load the main screen of SAVE),\n"
      "                     write a PNG of the window to FILE and exit\n");
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
    } else if (a == QLatin1String("--no-intro")) {
      o.skip_intro = true;
    } else {
      parsed.error = QStringLiteral("Unknown option \"%1\".").arg(a);
      return parsed;
    }
  }
  if (!o.load.empty() && o.screenshot.empty()) {
    parsed.error = QStringLiteral("--load is used with --screenshot.");
    return parsed;
  }
  if (o.home.empty()) o.home = rv::default_home_path();
  parsed.options = o;
  return parsed;
}

std::filesystem::path bundled_world(const std::filesystem::path& program_folder) {
  std::error_code ec;
  const std::filesystem::path built_in(RINGVALE_BUNDLED_WORLD);
  if (!built_in.empty() && std::filesystem::is_directory(built_in / "Data", ec)) return built_in;
  return program_folder / ".." / "share" / "ringvale" / "data";
}

}  // namespace rvgui
