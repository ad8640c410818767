#pragma once
// The game's one application style sheet.
#include <QString>

namespace rvgui {

QString style_sheet();

}  // namespace rvgui
