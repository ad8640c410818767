#include "screens/widgets/cp1252.h"

#include <array>

namespace rvgui {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 where the byte has no character. Every other byte is the
// Unicode character of the same number.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> encode(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(static_cast<unsigned char>(c));
  for (std::size_t i = 0; i < high.size(); ++i) {
    if (high[i] != 0 && high[i] == c) return static_cast<char>(static_cast<unsigned char>(0x80 + i));
  }
  return std::nullopt;
}

}  // namespace

QString from_cp1252(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b < 0xA0) {
      const char16_t u = high[b - 0x80];
      out.append(QChar(u != 0 ? u : char16_t{0xFFFD}));
    } else {
      out.append(QChar(static_cast<char16_t>(b)));
    }
  }
  return out;
}

std::optional<std::string> to_cp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    const auto b = encode(c.unicode());
    if (!b) return std::nullopt;
    out.push_back(*b);
  }
  return out;
}

std::string to_cp1252_lossy(const QString& text) {
  std::string out;
  for (QChar c : text) out.push_back(encode(c.unicode()).value_or('?'));
  return out;
}

QString not_cp1252_message(const QString& text) {
  return QStringLiteral("\"%1\" contains characters the game cannot store. Please use only letters, digits and "
                        "common punctuation.")
      .arg(text);
}

}  // namespace rvgui
