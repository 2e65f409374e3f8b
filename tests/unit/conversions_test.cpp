#include "settings/conversions.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "support/foreign_locale.h"

namespace qvutt {
namespace {

TEST(SingleFromText, ReadsPlainSignedDecimals) {
  EXPECT_EQ(single_from_text("1000"), 1000.0f);
  EXPECT_EQ(single_from_text("-1200"), -1200.0f);
  EXPECT_EQ(single_from_text("+7.5"), 7.5f);
  EXPECT_EQ(single_from_text(".5"), 0.5f);
  EXPECT_EQ(single_from_text("15."), 15.0f);
  EXPECT_EQ(single_from_text("  42 "), 42.0f);
  EXPECT_EQ(single_from_text("0000001000"), 1000.0f);
  EXPECT_EQ(single_from_text("0.1"), 0.1f);
  EXPECT_EQ(single_from_text("-0.000001"), -0.000001f);
  EXPECT_EQ(single_from_text("340282346638528859811704183484516925440"), FLT_MAX);
  EXPECT_EQ(single_from_text("12345678901234567890123"), 12345678901234567890123.0f);
}

TEST(SingleFromText, RefusesWhatIsNotADecimalOrExceedsAFloat) {
  for (const char* text : {"", " ", "abc", "12abc", "1e5", "NaN", "nan", "inf", "-Infinity", "-",
                           ".", "+.", "1.2.3", "1,000", "0x10", "--1", "- 1", "1 000", "\t5"}) {
    EXPECT_EQ(single_from_text(text), std::nullopt) << '"' << text << '"';
  }
  EXPECT_EQ(single_from_text("340282366920938463463374607431768211456"), std::nullopt);
  EXPECT_EQ(single_from_text("-1" + std::string(400, '0')), std::nullopt);
  EXPECT_EQ(text_from_single(-FLT_MAX).view(), "-340282300000000000000000000000000000000");
}

TEST(TextFromSingle, WritesUpToSevenSignificantDigitsWithoutExponent) {
  EXPECT_EQ(text_from_single(1000.0f).view(), "1000");
  EXPECT_EQ(text_from_single(-1200.0f).view(), "-1200");
  EXPECT_EQ(text_from_single(0.0f).view(), "0");
  EXPECT_EQ(text_from_single(-0.0f).view(), "0");
  EXPECT_EQ(text_from_single(0.5f).view(), "0.5");
  EXPECT_EQ(text_from_single(-7.25f).view(), "-7.25");
  EXPECT_EQ(text_from_single(0.001f).view(), "0.001");
  EXPECT_EQ(text_from_single(1234.5678f).view(), "1234.568");
  EXPECT_EQ(text_from_single(9999999.0f).view(), "9999999");
  EXPECT_EQ(text_from_single(16777216.0f).view(), "16777220");
  EXPECT_EQ(text_from_single(123456792.0f).view(), "123456800");
  EXPECT_EQ(text_from_single(9.9999999e-5f).view(), "0.0001");
}

TEST(TextFromSingle, EveryWholeTwipPositionReadsBackUnchanged) {
  for (long twips = -32768L * 15; twips <= 32767L * 15; twips += 3) {
    const auto value = static_cast<float>(twips);
    const NumberText text = text_from_single(value);
    ASSERT_EQ(text.view(), std::to_string(twips));
    ASSERT_EQ(single_from_text(text.view()), value) << text.c_str();
  }
}

TEST(Conversions, IgnoreTheRegionalDecimalSeparator) {
  const ForeignLocale locale;
  if (locale.name() == nullptr) GTEST_SKIP() << "no locale with other separators here";
  EXPECT_EQ(single_from_text("7.5"), 7.5f) << locale.name();
  EXPECT_EQ(single_from_text("7,5"), std::nullopt) << locale.name();
  EXPECT_EQ(text_from_single(-7.25f).view(), "-7.25") << locale.name();
  EXPECT_EQ(int16_from_text("1.5"), 2) << locale.name();
}

TEST(Int16FromText, RoundsHalvesToEven) {
  EXPECT_EQ(int16_from_text("1"), 1);
  EXPECT_EQ(int16_from_text("0.5"), 0);
  EXPECT_EQ(int16_from_text("1.5"), 2);
  EXPECT_EQ(int16_from_text("2.5"), 2);
  EXPECT_EQ(int16_from_text("2.5000001"), 3);
  EXPECT_EQ(int16_from_text("2.4999999"), 2);
  EXPECT_EQ(int16_from_text("-0.5"), 0);
  EXPECT_EQ(int16_from_text("-1.5"), -2);
  EXPECT_EQ(int16_from_text("-2.5"), -2);
}

TEST(Int16FromText, AcceptsExactlyTheSixteenBitRange) {
  EXPECT_EQ(int16_from_text("32767"), 32767);
  EXPECT_EQ(int16_from_text("32767.4"), 32767);
  EXPECT_EQ(int16_from_text("-32768"), -32768);
  EXPECT_EQ(int16_from_text("-32768.5"), -32768);
  EXPECT_EQ(int16_from_text("32767.5"), std::nullopt);
  EXPECT_EQ(int16_from_text("32768"), std::nullopt);
  EXPECT_EQ(int16_from_text("-32769"), std::nullopt);
  EXPECT_EQ(int16_from_text("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(int16_from_text(""), std::nullopt);
  EXPECT_EQ(int16_from_text("yes"), std::nullopt);
}

TEST(TextFromInt16, WritesPlainDigits) {
  EXPECT_EQ(text_from_int16(0).view(), "0");
  EXPECT_EQ(text_from_int16(2).view(), "2");
  EXPECT_EQ(text_from_int16(-32768).view(), "-32768");
  EXPECT_EQ(text_from_int16(32767).view(), "32767");
}

}  // namespace
}  // namespace qvutt
