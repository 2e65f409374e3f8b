#include "settings/window_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_store.h"

namespace qvutt {
namespace {

using Accesses = std::vector<std::string>;

TEST(LoadWindowSettings, FreshUserGetsTheDefaultsInLoadOrder) {
  MemoryStore store;
  const auto main = load_window_settings(store, kMainWindowKeys);
  EXPECT_EQ(main.rect.left, 1000.0f);
  EXPECT_EQ(main.rect.top, 1000.0f);
  EXPECT_EQ(main.rect.width, 3570.0f);
  EXPECT_EQ(main.rect.height, 1140.0f);
  EXPECT_EQ(main.always_on_top, kChecked);
  EXPECT_EQ(store.accesses, (Accesses{"get MAIN_Left", "get MAIN_Top", "get MAIN_Width",
                                      "get MAIN_Height", "get AlwaysOnTop_TICKBOX"}));

  store.accesses.clear();
  const auto about = load_window_settings(store, kAboutWindowKeys);
  EXPECT_EQ(about.rect.left, 1000.0f);
  EXPECT_EQ(about.rect.top, 1000.0f);
  EXPECT_EQ(about.rect.width, 5500.0f);
  EXPECT_EQ(about.rect.height, 2850.0f);
  EXPECT_EQ(about.always_on_top, kChecked);
  EXPECT_EQ(store.accesses, (Accesses{"get ABOUT_Left", "get ABOUT_Top", "get ABOUT_Width",
                                      "get ABOUT_Height", "get AlwaysOnTop_TICKBOX"}));
  EXPECT_TRUE(store.values.empty());
}

TEST(LoadWindowSettings, StoredValuesWin) {
  MemoryStore store;
  store.values = {{"MAIN_Left", "-1200"},
                  {"MAIN_Top", "30015"},
                  {"MAIN_Width", "4000.5"},
                  {"MAIN_Height", "2835"},
                  {"AlwaysOnTop_TICKBOX", "0"}};
  const auto main = load_window_settings(store, kMainWindowKeys);
  EXPECT_EQ(main.rect.left, -1200.0f);
  EXPECT_EQ(main.rect.top, 30015.0f);
  EXPECT_EQ(main.rect.width, 4000.5f);
  EXPECT_EQ(main.rect.height, 2835.0f);
  EXPECT_EQ(main.always_on_top, kUnchecked);
}

class CorruptValue : public testing::TestWithParam<const char*> {};

TEST_P(CorruptValue, FallsBackToItsOwnDefaultAndTheOtherKeysStillLoad) {
  const std::string corrupt_key = GetParam();
  for (const std::string corrupt_text :
       {"", "abc", "1e3", "nan", "1000000000000000000000000000000000000000000"}) {
    MemoryStore store;
    store.values = {{"ABOUT_Left", "15"},
                    {"ABOUT_Top", "30"},
                    {"ABOUT_Width", "45"},
                    {"ABOUT_Height", "60"},
                    {"AlwaysOnTop_TICKBOX", "0"}};
    store.values[corrupt_key] = corrupt_text;
    const auto about = load_window_settings(store, kAboutWindowKeys);

    const auto expect = [&](const char* key, float loaded, float stored, float fallback) {
      EXPECT_EQ(loaded, key == corrupt_key ? fallback : stored) << key << " = " << corrupt_text;
    };
    expect("ABOUT_Left", about.rect.left, 15, 1000);
    expect("ABOUT_Top", about.rect.top, 30, 1000);
    expect("ABOUT_Width", about.rect.width, 45, 5500);
    expect("ABOUT_Height", about.rect.height, 60, 2850);
    expect("AlwaysOnTop_TICKBOX", about.always_on_top, 0, 1);
    EXPECT_EQ(store.accesses.size(), 5u);
  }
}

INSTANTIATE_TEST_SUITE_P(EachKey, CorruptValue,
                         testing::Values("ABOUT_Left", "ABOUT_Top", "ABOUT_Width", "ABOUT_Height",
                                         "AlwaysOnTop_TICKBOX"));

TEST(LoadWindowSettings, ValueThatIsNotTextCountsAsCorrupt) {
  MemoryStore store;
  store.values = {{"MAIN_Top", "15"}};
  store.non_text_keys = {"MAIN_Left", "AlwaysOnTop_TICKBOX"};
  const auto main = load_window_settings(store, kMainWindowKeys);
  EXPECT_EQ(main.rect.left, 1000.0f);
  EXPECT_EQ(main.rect.top, 15.0f);
  EXPECT_EQ(main.always_on_top, kChecked);
}

TEST(LoadWindowSettings, CheckBoxTakesZeroOneOrTwoAfterRounding) {
  const std::pair<const char*, CheckBoxValue> cases[] = {
      {"0", kUnchecked}, {"1", kChecked},     {"2", kGrayed},     {"0.5", kUnchecked},
      {"1.5", kGrayed},  {"2.5", kGrayed},    {"3", kChecked},    {"-1", kChecked},
      {"2.6", kChecked}, {"32767", kChecked}, {"40000", kChecked}};
  for (const auto& [text, expected] : cases) {
    MemoryStore store;
    store.values["AlwaysOnTop_TICKBOX"] = text;
    EXPECT_EQ(load_window_settings(store, kMainWindowKeys).always_on_top, expected) << text;
  }
}

TEST(SaveWindowSettings, PositionWritesLeftThenTopOnly) {
  MemoryStore store;
  save_position(store, kMainWindowKeys, -1200.0f, 15000.0f);
  EXPECT_EQ(store.accesses, (Accesses{"save MAIN_Left=-1200", "save MAIN_Top=15000"}));
}

TEST(SaveWindowSettings, GrayedChoiceIsWrittenBackAsTwo) {
  MemoryStore store;
  store.values["AlwaysOnTop_TICKBOX"] = "2";
  const auto about = load_window_settings(store, kAboutWindowKeys);
  save_always_on_top(store, about.always_on_top);
  EXPECT_EQ(store.values["AlwaysOnTop_TICKBOX"], "2");
}

TEST(SaveWindowSettings, WhatIsSavedLoadsBackTheSame) {
  MemoryStore store;
  save_position(store, kAboutWindowKeys, -45.0f, 123450.0f);
  save_always_on_top(store, kUnchecked);
  const auto about = load_window_settings(store, kAboutWindowKeys);
  EXPECT_EQ(about.rect.left, -45.0f);
  EXPECT_EQ(about.rect.top, 123450.0f);
  EXPECT_EQ(about.always_on_top, kUnchecked);
}

}  // namespace
}  // namespace qvutt
