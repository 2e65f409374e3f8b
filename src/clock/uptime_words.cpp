#include "clock/uptime_words.h"

namespace qvutt {

namespace {

SpokenText joined(std::string_view head, std::string_view value) {
  SpokenText words(head);
  words.append(value);
  return words;
}

}  // namespace

SpokenText uptime_in_words(const UptimeTexts& shown) {
  SpokenText words = joined("Uptime ", shown.days.view());
  words.append(shown.days == "1" ? " day, " : " days, ");
  words.append(shown.time.view());
  return words;
}

SpokenText day_count_in_words(std::string_view days) {
  return joined("Days: ", days);
}

SpokenText time_in_words(std::string_view time) {
  return joined("Hours, minutes, seconds: ", time);
}

}  // namespace qvutt
