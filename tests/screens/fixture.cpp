#include "fixture.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "screens/cycle/mainscreen.h"
#include "screens/shell/style.h"

namespace rvscreens {

void write_picture(const rv::Home& home, const QString& file, int w, int h) {
  std::filesystem::create_directories(home.images());
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(40, 60, 90));
  QPainter p(&image);
  p.fillRect(0, 0, w / 2, h, QColor(200, 150, 40));
  p.end();
  image.save(QString::fromStdString((home.images() / file.toStdString()).string()));
}

QString cell(QTableView* grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }

QStringList column_texts(QTableView* grid, int column) {
  QStringList out;
  for (int r = 0; r < grid->model()->rowCount(); ++r) out << cell(grid, r, column);
  return out;
}

int row_of(QTableView* grid, const QString& text, int column) {
  return static_cast<int>(column_texts(grid, column).indexOf(text));
}

void click_row(QTableView* grid, int row, int column) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, column)).center());
}

Fixture::Fixture() : home_(dir_.path()), clock_(rv::WallTime{2026, 12, 5, 14, 30, 0, 42}) {
  rvtest::write_small_world(home_);
  write_picture(home_, QStringLiteral("default.jpg"));
  write_picture(home_, QStringLiteral("titlebg.jpg"), 320, 240);
  write_picture(home_, QStringLiteral("normalbg.jpg"), 320, 240);
  dialogs_.set_scripted(true);
  // A question the test did not expect fails it, with the question.
  dialogs_.set_unanswered_handler([](const QString& question) { QTest::qFail(qPrintable(question), __FILE__, __LINE__); });
  qApp->setStyleSheet(rvgui::style_sheet());
  window_ = std::make_unique<rvgui::MainWindow>(home_, dialogs_, clock_, 7);
  window_->resize(1024, 768);
}

Fixture::~Fixture() { window_.reset(); }

void Fixture::start() {
  window_->start(false);
  window_->show();
  QApplication::processEvents();
}

bool Fixture::click(const QString& name) {
  auto* b = window_->findChild<QAbstractButton*>(name);
  if (!b) {
    qWarning("no button named %s", qPrintable(name));
    return false;
  }
  if (!b->isVisible() || !b->isEnabled()) {
    qWarning("button %s is hidden or disabled", qPrintable(name));
    return false;
  }
  QTest::mouseClick(b, Qt::LeftButton);
  return true;
}

QString Fixture::text_of(const QString& name) {
  if (auto* l = window_->findChild<QLabel*>(name)) return l->text();
  if (auto* b = window_->findChild<QAbstractButton*>(name)) return b->text();
  qWarning("no label or button named %s", qPrintable(name));
  return {};
}

bool Fixture::new_game(int button) {
  dialogs_.queue_text(QStringLiteral("Player 1"));
  if (!click(QStringLiteral("newGameButton"))) return false;
  if (window_->current_screen() != static_cast<rvgui::Screen*>(choice_screen())) return false;
  if (!click(QStringLiteral("promotionButton%1").arg(button))) return false;
  if (!click(QStringLiteral("startButton"))) return false;
  return window_->current_screen() == static_cast<rvgui::Screen*>(main_screen());
}

bool Fixture::to_first_booking() {
  for (int i = 0; i < 4; ++i)
    if (!click(QStringLiteral("mainActionButton"))) return false;
  auto* venues = find<QTableView>(QStringLiteral("venuesGrid"));
  if (!venues) return false;
  venues->setCurrentIndex(venues->model()->index(0, 0));
  dialogs_.queue_yes();
  if (!click(QStringLiteral("bookVenueButton"))) return false;
  return window_->current_name() == rvgui::screen_name::booking;
}

}  // namespace rvscreens
