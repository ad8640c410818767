// The desktop program: ringvale [--home DIR] [--seed N] [--no-intro]
//                               [--screenshot FILE [--load SAVE] [--screen NAME]] [--list-screens]
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "screens/shell/app.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/mainwindow.h"
#include "screens/shell/registry.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "state/clock.h"
#include "state/home.h"

int main(int argc, char** argv) {
  // The command line is read before the window system is reached, so that --help, --list-screens
  // and a refused option work without a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const auto parsed = rvgui::parse_options(arguments);
  if (parsed.help) {
    std::fputs(rvgui::usage_text().toUtf8().constData(), stdout);
    return 0;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "ringvale: %s\n%s", parsed.error.toUtf8().constData(), rvgui::usage_text().toUtf8().constData());
    return 2;
  }
  const rvgui::AppOptions& options = *parsed.options;
  if (options.list_screens) {
    for (const auto& entry : rvgui::screen_registry()) std::printf("%s\n", entry.name.toUtf8().constData());
    return 0;
  }
  // A screenshot never needs a display.
  if (!options.screenshot.empty() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ringvale"));
  app.setStyleSheet(rvgui::style_sheet());

  rvgui::Dialogs dialogs;
  const bool screenshot = !options.screenshot.empty();
  dialogs.set_scripted(screenshot);  // a screenshot run never waits for the player

  const rv::Home home(options.home);
  const auto bundled = rvgui::bundled_world(QDir(QApplication::applicationDirPath()).absolutePath().toStdString());
  if (const auto prepared = rv::prepare_home(home, bundled); !prepared) {
    dialogs.info(rvgui::qs(prepared.error()));
    if (screenshot) std::fprintf(stderr, "ringvale: %s\n", prepared.error().c_str());
    return 1;
  }
  const rv::SystemClock clock;
  const std::uint64_t seed = options.seed.value_or(clock.now().ticks);

  rvgui::MainWindow window(home, dialogs, clock, seed);
  QObject::connect(&window, &rvgui::MainWindow::program_end_requested, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  window.resize(options.size);
  window.start(!options.skip_intro);

  if (screenshot) {
    window.resize(options.size);
    if (!options.load.empty() && !window.load_save(QString::fromStdString(options.load + ".sav"))) {
      for (const auto& t : dialogs.texts()) std::fprintf(stderr, "ringvale: %s\n", t.toUtf8().constData());
      return 1;
    }
    if (!options.screen.isEmpty() && !rvgui::open_for_screenshot(window, options.screen)) {
      for (const auto& t : dialogs.texts()) std::fprintf(stderr, "ringvale: %s\n", t.toUtf8().constData());
      return 1;
    }
    window.show();
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    const QString file = QString::fromStdString(options.screenshot.string());
    if (!image.save(file, "PNG")) {
      std::fprintf(stderr, "ringvale: the screenshot could not be written to %s\n", file.toUtf8().constData());
      return 1;
    }
    return 0;
  }
  window.show();
  return QApplication::exec();
}
