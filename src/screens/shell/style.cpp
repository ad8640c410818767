#include "screens/shell/style.h"

namespace rvgui {

namespace {

// The small "Why?" buttons beside a figure, and the tabs of a screen that shows one thing in
// several ways (the ledger's weeks and months).
constexpr const char* why_and_tab_rules = R"(
QPushButton[role="why"] { font-size: 11px; padding: 1px 8px; min-height: 14px; }
QTabWidget::pane { border: 1px solid #5a6380; border-radius: 6px; background: rgba(10, 12, 20, 205); top: -1px; }
QTabBar::tab {
  background: #1b2030; border: 1px solid #5a6380; border-bottom: none; padding: 6px 18px; margin-right: 3px;
  border-top-left-radius: 6px; border-top-right-radius: 6px; font-weight: bold;
}
QTabBar::tab:selected { background: #3a3320; color: #f5c542; border-color: #f5c542; }
QTabBar::tab:focus { text-decoration: underline; }
)";

// Text boxes, lists that drop down, number boxes (native arrows kept) and progress bars.
constexpr const char* input_rules = R"(
QLineEdit, QPlainTextEdit, QComboBox {
  background: #0c0f17; color: #f0ece0; border: 1px solid #5a6380; border-radius: 4px; padding: 6px;
  selection-background-color: #d99b1d;
}
QSpinBox { background: #0c0f17; color: #f0ece0; selection-background-color: #d99b1d; min-height: 26px; }
QComboBox:hover { border-color: #f5c542; }
QComboBox QAbstractItemView {
  background: #161a26; color: #f0ece0; border: 1px solid #5a6380;
  selection-background-color: #d99b1d; selection-color: #1a1405;
}
QProgressBar {
  background: #10131c; border: 1px solid #3a4158; border-radius: 5px; height: 20px;
  color: #ffffff; font-weight: bold; text-align: center;
}
QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #a8761a, stop:1 #f5c542); border-radius: 4px; }
)";

// The main action greys out like any other button when it cannot act now.
constexpr const char* disabled_main_rule = R"(
QPushButton[role="main"]:disabled { color: #7a6f55; background: #2a2618; border-color: #4a4232; }
)";

}  // namespace

// Dark panels over the background pictures, gold for what matters, one accent for the main action.
QString style_sheet() {
  return QStringLiteral(R"(
* { font-family: "DejaVu Sans"; font-size: 14px; color: #f2ede1; }
QMainWindow, QStackedWidget#screens { background: #0b0d14; }
QStackedWidget#centerStack { background: transparent; }
QLabel { background: transparent; }
QLabel[role="heading"] { font-size: 30px; font-weight: bold; color: #f5c542; }
QLabel[role="subheading"] { font-size: 18px; font-weight: bold; color: #f5c542; }
QLabel[role="small"] { font-size: 12px; color: #c9c2b0; }
QLabel[role="value"] { font-size: 22px; font-weight: bold; color: #ffffff; }
QLabel[role="caption"] { font-size: 11px; font-weight: bold; color: #c9a640; letter-spacing: 1px; }
QFrame[role="panel"] {
  background: rgba(10, 12, 20, 205);
  border: 1px solid rgba(245, 197, 66, 110);
  border-radius: 10px;
}
QPushButton {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2d3348, stop:1 #1b2030);
  border: 1px solid #5a6380;
  border-radius: 6px;
  padding: 8px 16px;
  font-weight: bold;
  min-height: 22px;
}
QPushButton:hover { border-color: #f5c542; color: #ffffff; }
QFrame#navPanel QPushButton { padding: 5px 12px; }
QPushButton:focus { border: 2px solid #f5c542; }
QPushButton:pressed { background: #141826; }
QPushButton:checked { background: #3a3320; border: 2px solid #f5c542; color: #f5c542; }
QPushButton:disabled { color: #6f6a60; border-color: #343a4c; background: #191c27; }
QPushButton[role="menu"] { font-size: 19px; padding: 9px 24px; min-width: 260px; }
QPushButton[role="main"] {
  font-size: 26px; padding: 18px 30px; color: #1a1405;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffd964, stop:1 #d99b1d);
  border: 2px solid #fff0b8; border-radius: 10px;
}
QPushButton[role="main"]:hover { background: #ffe08a; }
QPushButton[role="main"]:focus { border: 3px solid #ffffff; }
QPushButton[role="choice"] { min-width: 150px; }
QPushButton[role="choice"][selected="true"] {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffd964, stop:1 #d99b1d);
  color: #1a1405; border: 2px solid #fff0b8;
}
QPushButton#logoButton { background: transparent; border: 1px solid transparent; padding: 4px; }
QPushButton#logoButton:hover { border-color: #f5c542; }
QListWidget, QTableView, QTextBrowser {
  background: rgba(8, 10, 16, 225);
  alternate-background-color: rgba(34, 39, 56, 225);
  border: 1px solid #5a6380;
  border-radius: 6px;
  selection-background-color: #d99b1d;
  selection-color: #1a1405;
  gridline-color: #2f3548;
}
QListWidget::item, QTableView::item { padding: 5px; }
QHeaderView { background: #262c40; }
QHeaderView::section {
  background: #262c40; color: #f5c542; font-weight: bold;
  padding: 6px; border: none; border-right: 1px solid #3a4158;
}
QTableCornerButton::section { background: #262c40; border: none; }
QScrollBar:vertical { background: #10131c; width: 12px; margin: 0; }
QScrollBar::handle:vertical { background: #4a5270; border-radius: 5px; min-height: 30px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
QMessageBox, QInputDialog { background: #161a26; }
)") + QString::fromLatin1(input_rules) + QString::fromLatin1(why_and_tab_rules) + QString::fromLatin1(disabled_main_rule);
}

}  // namespace rvgui
