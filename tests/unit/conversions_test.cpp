#include "settings/conversions.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace qvutt {
namespace {

TEST(SingleText, ReadsPlainSignedDecimalsOnlyAndWritesSevenDigitsThatReadBack) {
  const std::pair<const char*, float> numbers[] = {
      {"1000", 1000.0f},    {"-1200", -1200.0f}, {"+7.5", 7.5f},
      {".5", 0.5f},         {"15.", 15.0f},      {"  42 ", 42.0f},
      {"0000001000", 1000}, {"0.1", 0.1f},       {"-0.000001", -0.000001f}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(single_from_text(text), value) << text;
  for (const char* text :
       {"", " ", "abc", "12abc", "1e5", "NaN", "inf", "-Infinity", "-", ".", "1.2.3", "1,000",
        "0x10", "--1", "- 1", "1 000", "\t5", "340282366920938463463374607431768211456"}) {
    EXPECT_EQ(single_from_text(text), std::nullopt) << '"' << text << '"';
  }
  EXPECT_EQ(single_from_text("-1" + std::string(400, '0')), std::nullopt);
  EXPECT_EQ(single_from_text("340282346638528859811704183484516925440"), FLT_MAX);
  EXPECT_EQ(single_from_text("12345678901234567890123"), 12345678901234567890123.0f);

  // Written with up to seven significant digits, without an exponent.
  // clang-format off
  const std::pair<float, const char*> cases[] = {
      {1000.0f, "1000"},         {-1200.0f, "-1200"},         {0.0f, "0"},
      {-0.0f, "0"},              {0.5f, "0.5"},               {-7.25f, "-7.25"},
      {0.001f, "0.001"},         {1234.5678f, "1234.568"},    {9999999.0f, "9999999"},
      {16777216.0f, "16777220"}, {123456792.0f, "123456800"}, {9.9999999e-5f, "0.0001"}};
  // clang-format on
  for (const auto& [value, text] : cases) EXPECT_EQ(text_from_single(value).view(), text);
  EXPECT_EQ(text_from_single(-FLT_MAX).view(), "-340282300000000000000000000000000000000");
  // Every whole twip a window can stand at reads back unchanged.
  for (long twips = -32768L * 15; twips <= 32767L * 15; twips += 3) {
    const NumberText text = text_from_single(static_cast<float>(twips));
    ASSERT_EQ(text.view(), std::to_string(twips));
    ASSERT_EQ(single_from_text(text.view()), static_cast<float>(twips)) << text.c_str();
  }
}

TEST(Int16FromText, RoundsHalvesToEvenWithinSixteenBits) {
  const std::pair<const char*, std::int16_t> cases[] = {
      {"1", 1},         {"0.5", 0},         {"1.5", 2},          {"2.5", 2},
      {"2.5000001", 3}, {"2.4999999", 2},   {"-0.5", 0},         {"-1.5", -2},
      {"-2.5", -2},     {"32767.4", 32767}, {"-32768.5", -32768}};
  for (const auto& [text, value] : cases) EXPECT_EQ(int16_from_text(text), value) << text;
  for (const char* text : {"32767.5", "32768", "-32769", "99999999999999999999999", "", "yes"}) {
    EXPECT_EQ(int16_from_text(text), std::nullopt) << text;
  }
  for (const std::int16_t value : {0, 2, -32768, 32767}) {
    EXPECT_EQ(text_from_int16(value).view(), std::to_string(value));
  }
}

}  // namespace
}  // namespace qvutt
