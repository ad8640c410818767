#include "state/naming.h"

#include <algorithm>

#include "state/layout.h"
#include "state/text.h"

namespace rv {

namespace {

// How the messages speak of each kind of name.
struct KindWords {
  std::string_view word;       // "ring name"
  std::string_view blank;      // the refusal of an empty answer
  std::string_view duplicate;  // the refusal of a name another thing of the kind has
};

KindWords words_for(NameKind kind) {
  switch (kind) {
    case NameKind::ring_name: return {"ring name", "The name cannot be blank.", "That name is already in use."};
    case NameKind::short_name:
      return {"short name", "The short name cannot be blank.", "That short name is already in use in this game."};
    case NameKind::tag_team:
      return {"tag team name", "Please enter a name for the tag team.",
              "There is already a team in your promotion with that name."};
    case NameKind::stable:
      return {"stable name", "Please enter a name for the stable.",
              "There is already a stable in your promotion with that name."};
    case NameKind::title:
      return {"title name", "Title name is blank.", "Another title of your promotion already has that name."};
    case NameKind::holder_style: return {"title holder name", "Title Holder name is blank.", ""};
    case NameKind::brand: return {"brand name", "The brand name cannot be blank.", "The other brand already has that name."};
    case NameKind::show:
      return {"show name", "The show name cannot be blank.", "Another show of your promotion already has that name."};
    case NameKind::segment:
      return {"segment name", "The segment name cannot be blank.", "The other Talk Show segment already has that name."};
    case NameKind::match_team:
      return {"team name", "The team needs a name.",
              "Another team of this match or a worker of this show already has that name."};
  }
  return {"name", "The name cannot be blank.", "That name is already in use."};
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_letters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return lower(x) == lower(y); });
}

bool ends_in_mark(std::string_view name) {
  return name.size() >= champion_mark.size() && same_letters(name.substr(name.size() - champion_mark.size()), champion_mark);
}

}  // namespace

std::string_view trimmed_name(std::string_view name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

bool same_name(std::string_view a, std::string_view b) { return same_letters(trimmed_name(a), trimmed_name(b)); }

bool reserved_name(std::string_view name) {
  return std::any_of(reserved_names.begin(), reserved_names.end(), [&](std::string_view word) { return same_name(name, word); });
}

std::optional<std::string> name_problem(std::string_view name, NameKind kind, const std::vector<std::string>& taken) {
  const KindWords w = words_for(kind);
  const std::string word(w.word);
  if (trimmed_name(name).empty()) return std::string(w.blank);
  if (name.size() > name_length_max) {
    return "A " + word + " can be " + std::to_string(name_length_max) + " characters long at the most.";
  }
  if (!storable_text(name)) return "The " + word + " has a character the game cannot store.";
  if (trimmed_name(name).size() != name.size()) return "The " + word + " cannot start or end with a blank.";
  if (reserved_name(name)) return "\"" + std::string(name) + "\" is a word the game keeps for itself; it cannot be a " + word + ".";
  if (ends_in_mark(name)) return "A " + word + " cannot end in \"" + std::string(trimmed_name(champion_mark)) + "\".";
  if (std::any_of(taken.begin(), taken.end(), [&](const std::string& t) { return same_name(t, name); })) {
    return std::string(w.duplicate);
  }
  return std::nullopt;
}

}  // namespace rv
