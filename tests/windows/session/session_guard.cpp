// Leaves the session the stories run in as they found it, however they end.
// CTest runs the first case before them and the second after them, after a
// story killed at its time limit too, so nothing here depends on the
// stories' processes. The first copies what they may change under a key of
// its own, then plants sentinels where no story may write: the real
// program's settings, the real names' sign-in entries, an odd system colour.
// The second names every sentinel disturbed, then puts the copy back.
// Windows, window classes and hot keys go with the process that made them,
// and the programs started go with the tests' job object.
#include <gtest/gtest.h>

#include <string>

#include "e2e/program.h"

namespace qvutt::e2e {
namespace {

constexpr wchar_t kSavedKey[] = L"Software\\QVUTT-TEST-session";
// Kept whole: the real program's settings beside the tests' own, the entries
// for a start at sign-in, and what Wine's programs read of the session as
// they start: its colours (SetSysColors changes only the caller's there) and
// LogPixels.
constexpr const wchar_t* kKeptKeys[] = {L"Software\\QV_UTT", kRunKey, kApprovedKey,
                                        L"Control Panel\\Colors", L"Control Panel\\Desktop"};
constexpr int kKeptKeyCount = 5;
constexpr int kColours = COLOR_MENUBAR + 1;  // the session's own on Windows

constexpr wchar_t kSentinel[] = L"left here by the tests' session guard";
constexpr const wchar_t* kSentinels[][2] = {{L"Software\\QV_UTT\\QV-UTT-V1", L"MAIN_Left"},
                                            {kRunKey, L"QV-UTT-V1"},
                                            {kRunKey, L"OtherTool"}};
constexpr int kOddColourIndex = COLOR_INFOBK;
constexpr COLORREF kOddColour = RGB(18, 52, 86);

std::wstring copy_of(int kept_key) {
  return std::wstring(kSavedKey) + L"\\" + std::to_wstring(kept_key);
}

// The key emptied and filled again (not made anew, for whoever watches it)
// from another; deleted where the other is missing.
void copy_key(const std::wstring& from, const std::wstring& to) {
  HKEY source = nullptr, target = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) {
    RegDeleteTreeW(HKEY_CURRENT_USER, to.c_str());
    return;
  }
  RegCreateKeyExW(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                  nullptr);
  RegDeleteTreeW(target, nullptr);
  RegCopyTreeW(source, nullptr, target);
  RegCloseKey(target);
  RegCloseKey(source);
}

// False, changing nothing, where no copy was saved.
bool put_back_the_copy() {
  COLORREF colours[kColours];
  DWORD bytes = sizeof colours;
  if (RegGetValueW(HKEY_CURRENT_USER, kSavedKey, L"colours", RRF_RT_REG_BINARY, nullptr, colours,
                   &bytes) != ERROR_SUCCESS) {
    return false;
  }
  for (int i = 0; i < kKeptKeyCount; ++i) copy_key(copy_of(i), kKeptKeys[i]);
  for (int i = 0; i < kColours; ++i)
    if (GetSysColor(i) != colours[i]) SetSysColors(1, &i, &colours[i]);
  return RegDeleteTreeW(HKEY_CURRENT_USER, kSavedKey) == ERROR_SUCCESS;
}

TEST(Session, IsSavedAndGetsSentinels) {
  // What a run that ended before its second case (CTest itself stopped) left.
  put_back_the_copy();
  for (int i = 0; i < kKeptKeyCount; ++i) copy_key(kKeptKeys[i], copy_of(i));
  COLORREF colours[kColours];
  for (int i = 0; i < kColours; ++i) colours[i] = GetSysColor(i);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSavedKey, L"colours", REG_BINARY, colours, sizeof colours);
  for (const auto& [key, name] : kSentinels)
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, kSentinel, sizeof kSentinel);
  SetSysColors(1, &kOddColourIndex, &kOddColour);
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Colors", L"InfoWindow", REG_SZ, L"18 52 86",
                  sizeof L"18 52 86");
}

TEST(Session, IsPutBackWithEverySentinelAsPlanted) {
  for (const auto& [key, name] : kSentinels) {
    wchar_t text[64] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &bytes);
    EXPECT_STREQ(text, kSentinel) << "a test changed HKCU\\" << key << ", value " << name;
  }
  EXPECT_EQ(GetSysColor(kOddColourIndex), kOddColour) << "a test changed a system colour";
  EXPECT_TRUE(put_back_the_copy()) << "no copy of the session was saved";
}

}  // namespace
}  // namespace qvutt::e2e
