// The settings folder: value conversions, the start-at-sign-in command, the
// load and close sequences, opacity and click-through, the section name.
#include <gtest/gtest.h>

#include <cfloat>
#include <map>
#include <string>
#include <vector>

#include "settings/conversions.h"
#include "settings/section_name.h"
#include "settings/see_through_settings.h"
#include "settings/startup_command.h"
#include "settings/window_settings.h"

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
  for (const char* text : {"32767.5", "32768", "-32769", "99999999999999999999999", "", "yes"})
    EXPECT_EQ(int16_from_text(text), std::nullopt) << text;
  for (const std::int16_t value : {0, 2, -32768, 32767})
    EXPECT_EQ(text_from_int16(value).view(), std::to_string(value));
}

// The rest of the command's rules are the fuzz target's (tests/fuzz/).
TEST(CommandNamesProgram, NoPathNamesNothing) {
  EXPECT_FALSE(command_names_program(L"", L""));
  EXPECT_FALSE(command_names_program(L"\"\"", L""));
}

using Accesses = std::vector<std::string>;

// A settings store in memory that remembers every access, in order.
class MemoryStore : public SettingsStore {
 public:
  std::optional<SettingText> get(std::string_view key, std::string_view default_text) override {
    accesses.push_back("get " + std::string(key));
    const auto value = values.find(std::string(key));
    return SettingText(value != values.end() ? std::string_view(value->second) : default_text);
  }
  void save(std::string_view key, std::string_view text) override {
    accesses.push_back("save " + std::string(key) + "=" + std::string(text));
    values[std::string(key)] = std::string(text);
  }

  std::map<std::string, std::string> values;
  Accesses accesses;
};

TEST(WindowSettings, LoadOneKeyAtATimeInLoadOrderRoundTheChoiceAndSaveAsTheyLoadBack) {
  MemoryStore store;
  EXPECT_EQ(load_window_settings(store, kAboutWindowKeys).rect.height, 2850.0f);
  EXPECT_EQ(store.accesses, (Accesses{"get ABOUT_Left", "get ABOUT_Top", "get ABOUT_Width",
                                      "get ABOUT_Height", "get AlwaysOnTop_TICKBOX"}));
  EXPECT_TRUE(store.values.empty());
  store.values["AlwaysOnTop_TICKBOX"] = "1.5";  // rounded, halves to even, as stored texts are
  EXPECT_EQ(load_window_settings(store, kMainWindowKeys).always_on_top, kGrayed);

  // Saved, left then top and the choice, as they load back.
  store.accesses.clear();
  save_position(store, kAboutWindowKeys, -1200.0f, 123450.0f);
  save_always_on_top(store, kGrayed);
  EXPECT_EQ(store.accesses, (Accesses{"save ABOUT_Left=-1200", "save ABOUT_Top=123450",
                                      "save AlwaysOnTop_TICKBOX=2"}));
  const WindowSettings about = load_window_settings(store, kAboutWindowKeys);
  EXPECT_TRUE(about.rect.left == -1200.0f && about.rect.top == 123450.0f &&
              about.always_on_top == kGrayed);
}

TEST(SeeThroughSettings, OpacityFrom40To100AndEveryChoiceSavedAsItLoadsBack) {
  MemoryStore store;
  EXPECT_EQ(load_opacity(store), 100);
  const auto opacity_of = [&](const char* text) {
    store.values["MAIN_Opacity"] = text;
    return load_opacity(store);
  };
  EXPECT_TRUE(opacity_of("90") == 90 && opacity_of("040") == 40 && opacity_of("100") == 100);
  for (const char* fallback :
       {"39", "101", "-60", "+60", " 60", "60.0", "", "99999999999999999999960"}) {
    EXPECT_EQ(opacity_of(fallback), 100) << fallback;
  }
  // Every other text's size and choices: the fuzz target's.
  save_opacity(store, 60);
  save_click_through(store, true);
  save_above_full_screen(store, true);
  EXPECT_TRUE(load_opacity(store) == 60 && load_click_through(store) &&
              load_above_full_screen(store));
  EXPECT_EQ(std::vector<int>({alpha_of(100), alpha_of(80), alpha_of(90), alpha_of(40)}),
            std::vector<int>({255, 204, 230, 102}));  // 229.5, half up

  // The settings section is the program file's base name, without its extension.
  EXPECT_EQ(section_from_executable_path(L"D:\\tools.old\\my.copy.EXE"), L"my.copy");
  EXPECT_EQ(section_from_executable_path(L"\\\\server\\share\\Uptime"), L"Uptime");
}

}  // namespace
}  // namespace qvutt
