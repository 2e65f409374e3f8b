#include "settings/window_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/section_name.h"
#include "support/memory_store.h"

namespace qvutt {
namespace {

using Accesses = std::vector<std::string>;

std::vector<float> rect_of(const WindowSettings& settings) {
  return {settings.rect.left, settings.rect.top, settings.rect.width, settings.rect.height};
}

TEST(LoadWindowSettings, FreshUserGetsTheDefaultsOneKeyAtATimeInLoadOrder) {
  MemoryStore store;
  const WindowSettings main = load_window_settings(store, kMainWindowKeys);
  EXPECT_EQ(rect_of(main), (std::vector<float>{1000, 1000, 3570, 1140}));
  EXPECT_EQ(main.always_on_top, kChecked);
  const WindowSettings about = load_window_settings(store, kAboutWindowKeys);
  EXPECT_EQ(rect_of(about), (std::vector<float>{1000, 1000, 5500, 2850}));
  EXPECT_EQ(about.always_on_top, kChecked);
  EXPECT_EQ(store.accesses,
            (Accesses{"get MAIN_Left", "get MAIN_Top", "get MAIN_Width", "get MAIN_Height",
                      "get AlwaysOnTop_TICKBOX", "get ABOUT_Left", "get ABOUT_Top",
                      "get ABOUT_Width", "get ABOUT_Height", "get AlwaysOnTop_TICKBOX"}));
  EXPECT_TRUE(store.values.empty());
}

TEST(LoadWindowSettings, EachCorruptValueTakesItsOwnDefaultAndTheOthersStillLoad) {
  const char* keys[] = {"ABOUT_Left", "ABOUT_Top", "ABOUT_Width", "ABOUT_Height",
                        "AlwaysOnTop_TICKBOX"};
  const char* texts[] = {"-15", "30015", "45.5", "60", "0"};
  const float values[] = {-15, 30015, 45.5, 60, 0};
  const float defaults[] = {1000, 1000, 5500, 2850, 1};
  for (int corrupt = 0; corrupt < 5; ++corrupt) {
    for (const std::string corrupt_text :
         {"", "abc", "1e3", "nan", "1e+45", "100000000000000000000000000000000000000000000"}) {
      MemoryStore store;
      for (int i = 0; i < 5; ++i) store.values[keys[i]] = i == corrupt ? corrupt_text : texts[i];
      const WindowSettings about = load_window_settings(store, kAboutWindowKeys);
      const float loaded[] = {about.rect.left, about.rect.top, about.rect.width, about.rect.height,
                              static_cast<float>(about.always_on_top)};
      for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(loaded[i], i == corrupt ? defaults[i] : values[i])
            << keys[corrupt] << " = " << corrupt_text;
      }
      EXPECT_EQ(store.accesses.size(), 5u);
    }
  }
  MemoryStore store;
  store.non_text_keys = {"MAIN_Left", "AlwaysOnTop_TICKBOX"};
  const WindowSettings main = load_window_settings(store, kMainWindowKeys);
  EXPECT_EQ(main.rect.left, 1000.0f);
  EXPECT_EQ(main.always_on_top, kChecked);
}

TEST(LoadWindowSettings, TheCheckBoxTakesZeroOneOrTwoAfterRounding) {
  const std::pair<const char*, CheckBoxValue> cases[] = {
      {"0", kUnchecked}, {"1", kChecked},    {"2", kGrayed},  {"0.5", kUnchecked},
      {"1.5", kGrayed},  {"2.5", kGrayed},   {"3", kChecked}, {"-1", kChecked},
      {"2.6", kChecked}, {"40000", kChecked}};
  for (const auto& [text, expected] : cases) {
    MemoryStore store;
    store.values["AlwaysOnTop_TICKBOX"] = text;
    EXPECT_EQ(load_window_settings(store, kMainWindowKeys).always_on_top, expected) << text;
  }
}

TEST(SaveWindowSettings, WritesLeftThenTopAndTheChoiceAsTheyLoadBack) {
  MemoryStore store;
  save_position(store, kAboutWindowKeys, -1200.0f, 123450.0f);
  save_always_on_top(store, kGrayed);
  EXPECT_EQ(store.accesses, (Accesses{"save ABOUT_Left=-1200", "save ABOUT_Top=123450",
                                      "save AlwaysOnTop_TICKBOX=2"}));
  const WindowSettings about = load_window_settings(store, kAboutWindowKeys);
  EXPECT_EQ(about.rect.left, -1200.0f);
  EXPECT_EQ(about.rect.top, 123450.0f);
  EXPECT_EQ(about.always_on_top, kGrayed);
}

TEST(SectionName, IsTheProgramFilesBaseNameWithoutExtension) {
  EXPECT_EQ(section_from_executable_path(L"C:\\Program Files\\QV\\QV-UTT-V1.exe"), L"QV-UTT-V1");
  EXPECT_EQ(section_from_executable_path(L"QV-UTT-V1.exe"), L"QV-UTT-V1");
  EXPECT_EQ(section_from_executable_path(L"D:\\tools.old\\my.copy.EXE"), L"my.copy");
  EXPECT_EQ(section_from_executable_path(L"\\\\server\\share\\Uptime"), L"Uptime");
  EXPECT_EQ(section_from_executable_path(L"C:Uptime2.exe"), L"Uptime2");
  EXPECT_EQ(section_from_executable_path(L"/home/user/.wine/drive_c/qv.exe"), L"qv");
}

}  // namespace
}  // namespace qvutt
