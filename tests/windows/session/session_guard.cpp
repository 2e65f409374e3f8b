// Leaves the session the stories run in as they found it, however they end.
// CTest runs "save" before them and "restore" after them, after a story
// killed at its time limit too, so nothing here depends on the stories'
// processes. "save" copies what they may change (the settings and sign-in
// entries, the system colours, the caption metrics, the DPI a start reads)
// under a key of its own, then plants sentinels where no story may write: the
// real program's settings, the real names' sign-in entries, an odd system
// colour. "restore" names every sentinel disturbed, then puts the copy back.
// Windows, window classes and hot keys go with the process that made them,
// and the programs started go with the tests' job object.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "e2e/program.h"

namespace {

using qvutt::e2e::kApprovedKey;
using qvutt::e2e::kRunKey;

constexpr wchar_t kSavedKey[] = L"Software\\QVUTT-TEST-session";
// Kept whole: the real program's settings beside the tests' own, the entries
// for a start at sign-in, and the colours a process starts with under Wine,
// where SetSysColors changes only the calling process's.
constexpr wchar_t kColoursKey[] = L"Control Panel\\Colors";
constexpr const wchar_t* kKeptKeys[] = {L"Software\\QV_UTT", kRunKey, kApprovedKey, kColoursKey};
constexpr int kKeptKeyCount = 4;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

constexpr wchar_t kSentinel[] = L"left here by the tests' session guard";
constexpr const wchar_t* kSentinels[][2] = {{L"Software\\QV_UTT\\QV-UTT-V1", L"MAIN_Left"},
                                            {kRunKey, L"QV-UTT-V1"},
                                            {kRunKey, L"OtherTool"}};
constexpr int kOddColourIndex = COLOR_INFOBK;
constexpr COLORREF kOddColour = RGB(0x12, 0x34, 0x56);

struct Session {
  COLORREF colours[COLOR_MENUBAR + 1];
  NONCLIENTMETRICSW metrics{};
  DWORD log_pixels = 0;  // none set
};

Session session_now() {
  Session session;
  session.metrics.cbSize = sizeof session.metrics;
  for (int i = 0; i <= COLOR_MENUBAR; ++i) session.colours[i] = GetSysColor(i);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof session.metrics, &session.metrics, 0);
  DWORD bytes = sizeof session.log_pixels;
  RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
               &session.log_pixels, &bytes);
  return session;
}

void put_back(const Session& saved) {
  const Session now = session_now();
  for (int i = 0; i <= COLOR_MENUBAR; ++i) {
    if (now.colours[i] != saved.colours[i]) SetSysColors(1, &i, &saved.colours[i]);
  }
  // Wine's programs read the metrics from the registry, hence the update there.
  if (NONCLIENTMETRICSW metrics = saved.metrics;
      std::memcmp(&now.metrics, &metrics, sizeof metrics) != 0) {
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, SPIF_UPDATEINIFILE);
  }
  if (saved.log_pixels == 0) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
  } else {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &saved.log_pixels,
                    sizeof saved.log_pixels);
  }
}

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

int restore() {
  Session saved;
  DWORD bytes = sizeof saved;
  if (RegGetValueW(HKEY_CURRENT_USER, kSavedKey, L"session", RRF_RT_REG_BINARY, nullptr, &saved,
                   &bytes) != ERROR_SUCCESS) {
    std::printf("Nothing to put back: no copy of the session was saved\n");
    return 1;
  }
  int disturbed = 0;
  for (const auto& [key, name] : kSentinels) {
    wchar_t text[64] = {};
    bytes = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &bytes);
    if (std::wcscmp(text, kSentinel) != 0) {
      std::printf("A test changed HKCU\\%ls, value %ls\n", key, name);
      ++disturbed;
    }
  }
  if (GetSysColor(kOddColourIndex) != kOddColour) {
    std::printf("A test changed the system colour %d\n", kOddColourIndex);
    ++disturbed;
  }
  for (int i = 0; i < kKeptKeyCount; ++i) copy_key(copy_of(i), kKeptKeys[i]);
  put_back(saved);
  RegDeleteTreeW(HKEY_CURRENT_USER, kSavedKey);
  std::printf("%s; the session put back as it was\n",
              disturbed ? "The tests changed what they must leave alone" : "Every sentinel intact");
  return disturbed ? 1 : 0;
}

void save() {
  if (RegGetValueW(HKEY_CURRENT_USER, kSavedKey, L"session", RRF_RT_ANY, nullptr, nullptr,
                   nullptr) == ERROR_SUCCESS) {
    std::printf("A run ended before its restore: putting back what it saved first\n");
    restore();
  }
  for (int i = 0; i < kKeptKeyCount; ++i) copy_key(kKeptKeys[i], copy_of(i));
  const Session session = session_now();
  RegSetKeyValueW(HKEY_CURRENT_USER, kSavedKey, L"session", REG_BINARY, &session, sizeof session);
  for (const auto& [key, name] : kSentinels) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, kSentinel, sizeof kSentinel);
  }
  SetSysColors(1, &kOddColourIndex, &kOddColour);
  RegSetKeyValueW(HKEY_CURRENT_USER, kColoursKey, L"InfoWindow", REG_SZ, L"18 52 86", 18);
  std::printf("Session saved, sentinels planted\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc == 2 ? argv[1] : "";
  if (command == "save") save();
  if (command == "restore") return restore();
  if (command != "save") std::printf("usage: session_guard save|restore\n");
  return command == "save" ? 0 : 2;
}
