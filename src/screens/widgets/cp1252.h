#pragma once
// The game's files are Windows-1252 text; the screens work in QString. Every text crosses here.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace rvgui {

// A Windows-1252 text from the store as a QString.
QString from_cp1252(std::string_view bytes);
// A QString as Windows-1252 bytes; nothing when a character cannot be written in Windows-1252.
std::optional<std::string> to_cp1252(const QString& text);
// The same, with every character that cannot be written replaced by '?'.
std::string to_cp1252_lossy(const QString& text);

inline QString qs(std::string_view bytes) { return from_cp1252(bytes); }

// The message shown when a typed name cannot be stored.
QString not_cp1252_message(const QString& text);

}  // namespace rvgui
