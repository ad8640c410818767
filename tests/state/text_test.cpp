#include <gtest/gtest.h>

#include "state/text.h"

namespace {

TEST(NumberText, LeadingNumberReadsWhatATextStartsWith) {
  EXPECT_EQ(rv::leading_int("42"), 42);
  EXPECT_EQ(rv::leading_int("42 days"), 42);
  EXPECT_EQ(rv::leading_int("  -7"), -7);
  EXPECT_EQ(rv::leading_int("3.9"), 3);   // cut, not rounded
  EXPECT_EQ(rv::leading_int("-3.9"), -3);
  EXPECT_DOUBLE_EQ(rv::leading_number("0.4"), 0.4);
  EXPECT_DOUBLE_EQ(rv::leading_number(".5"), 0.5);
  // Texts that are not numbers read as 0.
  EXPECT_EQ(rv::leading_int(""), 0);
  EXPECT_EQ(rv::leading_int("Vacant"), 0);
  EXPECT_EQ(rv::leading_int("-"), 0);
  EXPECT_EQ(rv::leading_int("$500"), 0);
  // Huge texts saturate far beyond any stored range, yet far enough inside int64 that the sum of
  // two of them cannot overflow.
  const auto huge = rv::leading_int("99999999999999999999999");
  EXPECT_GT(huge, 1'000'000'000'000'000 - 1);
  EXPECT_LT(huge, INT64_MAX / 2);
  EXPECT_EQ(rv::leading_int("-99999999999999999999999"), -huge);
}

TEST(NumberText, WrittenBackAsPlainDecimal) {
  EXPECT_EQ(rv::decimal_text(0.4), "0.4");
  EXPECT_EQ(rv::decimal_text(12.0), "12");
  EXPECT_EQ(rv::decimal_text(1.25), "1.25");
  EXPECT_EQ(rv::decimal_text(-0.0), "0");
}

TEST(NumberText, DigitPatternsWriteNoLeadingZeroForAHash) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  const Case cases[] = {
      // A televised show's rating: one decimal, nothing before the point below 1.
      {0, "##.0", ".0"},
      {0.04, "##.0", ".0"},
      {0.05, "##.0", ".1"},  // a half goes up
      {9.94, "##.0", "9.9"},
      {9.95, "##.0", "10.0"},  // 9.95 has no exact binary form and sits a hair below it
      {-0.8, "##.0", "-.8"},
      // A show's overall rating: two decimals, both always written.
      {0, "##.#0", ".00"},
      {0.005, "##.#0", ".01"},
      {9.95, "##.#0", "9.95"},
      {9.995, "##.#0", "10.00"},
      // A '0' before the point asks for a digit; decimals after the last '0' go when zero.
      {0.8, "0.00", "0.80"},
      {2.5, "##.##", "2.5"},
      {3, "##.##", "3"},
      {1234.5, "#", "1235"},
  };
  for (const auto& c : cases) EXPECT_EQ(rv::pattern_number(c.value, c.pattern), c.text) << c.value << " as " << c.pattern;
}

TEST(NumberText, MoneyIsGroupedInThousands) {
  EXPECT_EQ(rv::money_text(0), "$0");
  EXPECT_EQ(rv::money_text(999), "$999");
  EXPECT_EQ(rv::money_text(1000), "$1,000");
  EXPECT_EQ(rv::money_text(1234567), "$1,234,567");
  EXPECT_EQ(rv::money_text(-25000), "-$25,000");
}

TEST(Wildcards, PatternsMatchLikeNamePatterns) {
  EXPECT_TRUE(rv::like("RVA, RVB", "*RVB*"));
  EXPECT_FALSE(rv::like("None", "*RVB*"));
  EXPECT_TRUE(rv::like("3456", "*4*"));
  EXPECT_FALSE(rv::like("123", "*4*"));
  EXPECT_TRUE(rv::like("logo.jpg", "*.jpg"));
  EXPECT_FALSE(rv::like("logo.jpeg", "*.jpg"));
  EXPECT_TRUE(rv::like("a1", "?#"));
  EXPECT_FALSE(rv::like("ab", "?#"));
  EXPECT_TRUE(rv::like("b", "[abc]"));
  EXPECT_FALSE(rv::like("b", "[!abc]"));
  EXPECT_TRUE(rv::like("m", "[a-z]"));
  EXPECT_TRUE(rv::like("", "*"));
  EXPECT_FALSE(rv::like("", "?"));
  const std::string long_text(200000, 'a');  // no run-away backtracking
  EXPECT_FALSE(rv::like(long_text, "a*a*a*a*a*a*b"));
  EXPECT_TRUE(rv::like(long_text + "b", "a*a*a*a*a*a*b"));
}

TEST(EchoedText, QuotedCutShortAndFreeOfControlBytes) {
  const std::string sixty(60, 'a');
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"", "\"\""},
      {"Singles", "\"Singles\""},
      {sixty, "\"" + sixty + "\""},
      {sixty + "b", "\"" + sixty + "...\""},
      {"\x1b[2Jx", "\"?[2Jx\""},
      {"a\tb\rc\x7f", "\"a?b?c?\""},
      {"\x81\x8d\x8f\x90\x9d", "\"?????\""},     // bytes Windows-1252 leaves undefined
      {"Jos\xe9 \x80", "\"Jos\xe9 \x80\""},       // accented letters and the euro sign stay
  };
  for (const auto& c : cases) EXPECT_EQ(rv::quoted_excerpt(c.text), c.shown) << c.text;
  EXPECT_EQ(rv::quoted_excerpt("abcdef", 3), "\"abc...\"");
}

}  // namespace
