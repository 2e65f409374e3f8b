#include "settings/window_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/section_name.h"
#include "settings/see_through_settings.h"

namespace qvutt {
namespace {

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
  const std::pair<const char*, CheckBoxValue> choices[] = {
      {"0", kUnchecked}, {"1", kChecked},  {"2", kGrayed},  {"0.5", kUnchecked},
      {"1.5", kGrayed},  {"2.5", kGrayed}, {"3", kChecked}, {"-1", kChecked}};
  for (const auto& [text, expected] : choices) {
    store.values["AlwaysOnTop_TICKBOX"] = text;
    EXPECT_EQ(load_window_settings(store, kMainWindowKeys).always_on_top, expected) << text;
  }

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

TEST(SeeThroughSettings, OpacityStandsAsDigitsFrom40To100ClickThroughAsOneInTheProgramsSection) {
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
  for (const char* off : {"0", "01", "1 ", "true", ""}) {
    store.values["MAIN_ClickThrough"] = off;
    EXPECT_FALSE(load_click_through(store)) << off;
  }
  save_opacity(store, 60);
  save_click_through(store, true);
  EXPECT_TRUE(load_opacity(store) == 60 && load_click_through(store));
  EXPECT_EQ(std::vector<int>({alpha_of(100), alpha_of(80), alpha_of(90), alpha_of(40)}),
            std::vector<int>({255, 204, 230, 102}));  // 229.5, half up

  // The settings section is the program file's base name, without its extension.
  EXPECT_EQ(section_from_executable_path(L"D:\\tools.old\\my.copy.EXE"), L"my.copy");
  EXPECT_EQ(section_from_executable_path(L"\\\\server\\share\\Uptime"), L"Uptime");
  EXPECT_EQ(section_from_executable_path(L"C:Uptime.exe"), L"Uptime");
  EXPECT_EQ(section_from_executable_path(L"/home/user/Uptime.exe"), L"Uptime");
}

}  // namespace
}  // namespace qvutt
