// The uptime in words, for those who hear the screen rather than see it: the
// two displays' texts with the column heads they stand under.
#pragma once

#include <string_view>

#include "clock/uptime_counter.h"
#include "text/fixed_text.h"

namespace qvutt {

using SpokenText = FixedText<64>;

// "Uptime 0 days, 00:00:05"; "1 day" for one.
SpokenText uptime_in_words(const UptimeTexts& shown);
// "Days: 0".
SpokenText day_count_in_words(std::string_view days);
// "Hours, minutes, seconds: 00:00:05".
SpokenText time_in_words(std::string_view time);

}  // namespace qvutt
