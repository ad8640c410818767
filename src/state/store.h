#pragma once
// The game state store: every table of the game as the text lines of its file, with named,
// typed accessors on top. Reads past the end of a table give an empty text (which reads as 0);
// writes past the end grow the table, so malformed data never crashes the game. Numbers with a
// range (state/ranges.h) are read saturated to it, and written kept inside it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/assistant.h"
#include "state/layout.h"
#include "state/ranges.h"
#include "state/text.h"

namespace rv {

const std::string& line_at(const Lines& lines, std::size_t index);
void set_line(Lines& lines, std::size_t index, std::string value);

// Whole-record operations on a record table.
std::size_t record_count(const Lines& lines, std::size_t size);
void append_record(Lines& lines, const std::vector<std::string>& record);
void remove_record(Lines& lines, std::size_t first_line, std::size_t size);

// The thirty-one parallel columns of the worker table.
class WrestlerTable {
 public:
  std::size_t size() const { return columns_[0].size(); }
  const Lines& column(Col c) const { return columns_[static_cast<int>(c)]; }
  Lines& column(Col c) { return columns_[static_cast<int>(c)]; }
  const std::string& text(std::size_t row, Col c) const { return line_at(column(c), row); }
  void set(std::size_t row, Col c, std::string value) { set_line(column(c), row, std::move(value)); }
  // Appends one worker to every column; returns the new row.
  std::size_t add(const std::array<std::string, column_count>& values);
  void clear();
  // Every column as one list: 31 lines per worker, in row order (the file layout).
  Lines to_lines() const;
  // Fills the table from the file layout; the caller checks the line count first.
  void from_lines(const Lines& lines);
  bool columns_even() const;

 private:
  std::array<Lines, column_count> columns_;
};

// A worker: one row of the worker table.
template <class Table>
class BasicWorker {
 public:
  BasicWorker(Table& table, std::size_t row) : table_(&table), row_(row) {}
  std::size_t row() const { return row_; }
  const std::string& text(Col c) const { return table_->text(row_, c); }
  Num num(Col c) const { return read_within(table_->text(row_, c), column_range(c)); }
  void set(Col c, std::string value) const { table_->set(row_, c, std::move(value)); }
  void set_num(Col c, Num value) const {
    const auto r = column_range(c);
    table_->set(row_, c, to_text(r ? within(value, *r) : value));
  }
#define RV_TEXT_GETTER(col) \
  const std::string& col() const { return text(Col::col); } \
  void set_##col(std::string value) const { set(Col::col, std::move(value)); }
  RV_WORKER_TEXT_COLUMNS(RV_TEXT_GETTER)
#undef RV_TEXT_GETTER
#define RV_NUMBER_GETTER(col) \
  Num col() const { return num(Col::col); } \
  void set_##col(Num value) const { set_num(Col::col, value); }
  RV_WORKER_NUMBER_COLUMNS(RV_NUMBER_GETTER)
#undef RV_NUMBER_GETTER
  const std::string& name() const { return names(); }
  bool is_female() const { return gender() == "Female"; }
  bool is_male() const { return gender() == "Male"; }

 private:
  Table* table_;
  std::size_t row_;
};
using Worker = BasicWorker<WrestlerTable>;
using WorkerView = BasicWorker<const WrestlerTable>;

// A record inside a record table, addressed by its first line.
template <class L>
class BasicRecord {
 public:
  BasicRecord(L& lines, std::size_t base) : lines_(&lines), base_(base) {}
  std::size_t base() const { return base_; }
  const std::string& at(std::size_t offset) const { return line_at(*lines_, base_ + offset); }
  Num num(std::size_t offset) const { return leading_int(at(offset)); }
  void set(std::size_t offset, std::string value) const { set_line(*lines_, base_ + offset, std::move(value)); }
  void set_num(std::size_t offset, Num value) const { set(offset, to_text(value)); }
  L& lines() const { return *lines_; }

 private:
  L* lines_;
  std::size_t base_;
};

// One championship block inside a promotion record.
template <class L>
class BasicTitle {
 public:
  BasicTitle(L& lines, std::size_t base, bool long_block) : rec_(lines, base), long_(long_block) {}
  bool long_block() const { return long_; }
  std::size_t base() const { return rec_.base(); }
  bool has(TitleField f) const { return offset(f) != no_offset; }
  // The table line of a field (only for fields the block has).
  std::size_t line_of(TitleField f) const { return base() + static_cast<std::size_t>(offset(f)); }
  const std::string& get(TitleField f) const {
    static const std::string none;
    return has(f) ? rec_.at(static_cast<std::size_t>(offset(f))) : none;
  }
  void put(TitleField f, std::string value) const {
    if (has(f)) rec_.set(static_cast<std::size_t>(offset(f)), std::move(value));
  }
  const std::string& name() const { return get(TitleField::name); }
  const std::string& holder() const { return get(TitleField::holder); }
  void set_holder(std::string v) const { put(TitleField::holder, std::move(v)); }
  Num value() const { return within(leading_int(get(TitleField::value)), range::percent); }
  Num level() const { return within(leading_int(get(TitleField::level)), range::percent); }
  // The reign, the record reign (days) and the defences (matches), saturated to their range.
  Num count(TitleField f) const { return within(leading_int(get(f)), range::days); }
  bool is_tag() const { return long_ && get(TitleField::kind) == "Tag Team"; }
  bool exists() const { return !name().empty(); }
  const std::string& history1() const { return get(TitleField::history1); }
  const std::string& history2() const { return get(TitleField::history2); }

 private:
  int offset(TitleField f) const {
    const auto i = static_cast<std::size_t>(f);
    return long_ ? long_title_offsets[i] : short_title_offsets[i];
  }
  BasicRecord<L> rec_;
  bool long_;
};

// A promotion record.
template <class L>
class BasicPromotion {
 public:
  BasicPromotion(L& lines, std::size_t base) : rec_(lines, base) {}
  std::size_t base() const { return rec_.base(); }
  const std::string& at(std::size_t offset) const { return rec_.at(offset); }
  Num num(std::size_t offset) const { return read_within(at(offset), promotion_range(offset)); }
  void set(std::size_t offset, std::string value) const { rec_.set(offset, std::move(value)); }
  void set_num(std::size_t offset, Num value) const {
    const auto r = promotion_range(offset);
    rec_.set_num(offset, r ? within(value, *r) : value);
  }

  const std::string& initials() const { return at(prom::initials); }
  const std::string& full_name() const { return at(prom::full_name); }
  const std::string& logo() const { return at(prom::logo); }
  Num size_level() const { return num(prom::size_level); }
  Num balance() const { return num(prom::balance); }
  void set_balance(Num v) const { set_num(prom::balance, v); }
  Num popularity() const { return num(prom::popularity); }
  void set_popularity(Num v) const { set_num(prom::popularity, v); }
  Num reference_level() const { return num(prom::reference_level); }
  const std::string& country() const { return at(prom::country); }
  bool has_ppv_deal() const { return at(prom::ppv_deal) == "Yes"; }

  // Regular show k (0 to 3), field from prom::show.
  std::size_t show_offset(std::size_t k, std::size_t field) const {
    return prom::regular_shows + k * prom::regular_show_size + field;
  }
  const std::string& show(std::size_t k, std::size_t field) const { return at(show_offset(k, field)); }
  void set_show(std::size_t k, std::size_t field, std::string v) const { set(show_offset(k, field), std::move(v)); }

  // Monthly big show entry for month m (0 = January): field 0 name, 1 brand, 2 logo.
  const std::string& monthly_big_show(std::size_t m, std::size_t field) const {
    return at(prom::monthly_big_shows + m * prom::monthly_big_show_size + field);
  }

  // Title slot k, 0 to 7.
  BasicTitle<L> title(std::size_t k) const {
    if (k < 4) return BasicTitle<L>(rec_.lines(), base() + prom::short_titles + k * prom::short_title_size, false);
    return BasicTitle<L>(rec_.lines(), base() + prom::long_titles + (k - 4) * prom::long_title_size, true);
  }

 private:
  BasicRecord<L> rec_;
};
using Promotion = BasicPromotion<Lines>;
using PromotionView = BasicPromotion<const Lines>;
using Title = BasicTitle<Lines>;
using TitleView = BasicTitle<const Lines>;
using Record = BasicRecord<Lines>;
using RecordView = BasicRecord<const Lines>;

// Every table of a game.
struct Store {
  Lines maindata;
  Lines promotions;
  WrestlerTable wrestlers;
  Lines stipulations;
  Lines calendar;
  Lines turns;
  Lines indydates;
  Lines indydates2;
  Lines weeklytop10;
  Lines negotiations;
  Lines titlehistory;
  Lines newslist;
  Lines matches;  // the show card being booked; never saved
  Lines history;  // the promotion's past, saved beside the tables (state/history.h)
  Lines ledger;   // why the promotion's figures moved, saved beside the tables (state/ledger.h)
  AssistantChoices assistant;  // the areas handed to the staff, saved beside the tables
  std::string load_notice;  // what loading had to tell the player once; never saved

  // A copy to work a forecast out on: every table but the archive, the ledger and the inbox, which
  // a rating never reads and which grow all career (the copy starts them empty).
  Store scratch() const;
  // Makes this store a scratch copy of `from` again, reusing the buffers it already holds, so that
  // one copy serves forecast after forecast.
  void rescratch(const Store& from);

  // maindata by line.
  const std::string& md(std::size_t line) const { return line_at(maindata, line); }
  Num md_num(std::size_t line) const { return read_within(md(line), maindata_range(line)); }
  void set_md(std::size_t line, std::string value) { set_line(maindata, line, std::move(value)); }
  // The money the board expects a promotion of this size level (1 to 6) to hold.
  Num money_baseline(Num size_level) const {
    return md_num(md::money_baseline_base + static_cast<std::size_t>(std::clamp<Num>(size_level, 1, 6)));
  }
  void set_md_num(std::size_t line, Num value) {
    const auto r = maindata_range(line);
    set_md(line, to_text(r ? within(value, *r) : value));
  }

  std::size_t promotion_count() const { return record_count(promotions, rec::promotion); }
  Promotion promotion(std::size_t index) { return Promotion(promotions, index * rec::promotion); }
  PromotionView promotion(std::size_t index) const { return PromotionView(promotions, index * rec::promotion); }
  // Index of the promotion with these initials.
  std::optional<std::size_t> find_promotion(std::string_view initials) const;
  std::optional<std::size_t> find_promotion_by_name(std::string_view full_name) const;
  // Index of the player's promotion (initials on maindata line 0).
  std::optional<std::size_t> player_index() const { return find_promotion(md(md::player_initials)); }

  std::size_t worker_count() const { return wrestlers.size(); }
  Worker worker(std::size_t row) { return Worker(wrestlers, row); }
  WorkerView worker(std::size_t row) const { return WorkerView(wrestlers, row); }
  std::optional<std::size_t> find_worker(std::string_view ring_name) const;

  Record message(std::size_t index) { return Record(newslist, index * rec::message); }
  RecordView message(std::size_t index) const { return RecordView(newslist, index * rec::message); }
  std::size_t message_count() const { return record_count(newslist, rec::message); }

  // The empty show card: 200 empty lines.
  void reset_matches();
};

}  // namespace rv
