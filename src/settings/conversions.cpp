#include "settings/conversions.h"

#include <cfloat>
#include <cmath>

namespace qvutt {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The value of a plain decimal number; nothing for any other text. Digits past
// the nineteenth significant one only scale the result: no float needs them.
std::optional<double> decimal_from_text(std::string_view text) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  std::uint64_t mantissa = 0;
  int significant = 0;
  int exponent = 0;
  int digits = 0;
  bool in_fraction = false;
  for (const char c : text) {
    if (c == '.' && !in_fraction) {
      in_fraction = true;
      continue;
    }
    if (!is_digit(c)) return std::nullopt;
    ++digits;
    if (significant < 19) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      if (mantissa != 0) ++significant;
      if (in_fraction) --exponent;
    } else if (!in_fraction) {
      ++exponent;
    }
  }
  if (digits == 0) return std::nullopt;

  double value = static_cast<double>(mantissa);
  // One correctly rounded operation where the power of ten is exact.
  if (exponent < 0 && exponent >= -22) {
    value /= std::pow(10.0, -exponent);
  } else if (exponent != 0) {
    value *= std::pow(10.0, exponent);
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<float> single_from_text(std::string_view text) {
  const auto value = decimal_from_text(text);
  if (!value) return std::nullopt;
  const auto single = static_cast<float>(*value);
  if (!std::isfinite(*value) || std::isinf(single)) return std::nullopt;
  return single;
}

std::string text_from_single(float value) {
  if (value == 0.0f || !std::isfinite(value)) return "0";

  // Seven significant digits as an integer, and the power of ten of the first.
  const double magnitude = std::fabs(static_cast<double>(value));
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  auto digits = static_cast<std::int64_t>(std::llround(magnitude / std::pow(10.0, exponent - 6)));
  if (digits >= 10000000) {
    digits /= 10;
    ++exponent;
  } else if (digits < 1000000) {
    digits *= 10;
    --exponent;
  }

  std::string significand = std::to_string(digits);
  std::string text = value < 0 ? "-" : "";
  if (exponent >= 6) {
    text += significand;
    text.append(static_cast<std::size_t>(exponent - 6), '0');
    return text;
  }
  while (significand.back() == '0') significand.pop_back();
  if (exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    return text + significand;
  }
  const auto whole_digits = static_cast<std::size_t>(exponent + 1);
  if (significand.size() <= whole_digits) {
    significand.append(whole_digits - significand.size(), '0');
    return text + significand;
  }
  return text + significand.substr(0, whole_digits) + "." + significand.substr(whole_digits);
}

std::optional<std::int16_t> int16_from_text(std::string_view text) {
  const auto value = decimal_from_text(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  double rounded = std::floor(*value);
  const double remainder = *value - rounded;
  if (remainder > 0.5 || (remainder == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded < INT16_MIN || rounded > INT16_MAX) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::string text_from_int16(std::int16_t value) { return std::to_string(value); }

}  // namespace qvutt
