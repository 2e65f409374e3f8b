#include "settings/conversions.h"

#include <cfloat>
#include <cmath>

namespace qvutt {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// 10 to the n, n >= 0: exact up to 10^22, the largest power of ten a double
// holds exactly; beyond, within a rounding or two, and infinite past a
// double's range. (The library's pow would double the program's arithmetic.)
double power_of_ten(int n) {
  constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double power = 1.0;
  for (; n > 22; n -= 22) power *= 1e22;
  return power * kExact[n];
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

  auto value = static_cast<double>(mantissa);
  // One correctly rounded operation where the power of ten is exact.
  if (exponent < 0) {
    value /= power_of_ten(-exponent);
  } else if (exponent > 0) {
    value *= power_of_ten(exponent);
  }
  return negative ? -value : value;
}

// The decimal digits of a non-negative integer.
NumberText digits_of(std::uint64_t value) {
  NumberText digits;
  do {
    digits.push_front(static_cast<char>('0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

}  // namespace

std::optional<float> single_from_text(std::string_view text) {
  const auto value = decimal_from_text(text);
  if (!value) return std::nullopt;
  const auto single = static_cast<float>(*value);
  if (!std::isfinite(*value) || std::isinf(single)) return std::nullopt;
  return single;
}

NumberText text_from_single(float value) {
  if (value == 0.0f || !std::isfinite(value)) return NumberText("0");

  // Seven significant digits as an integer, and the power of ten of the first.
  const double magnitude = std::fabs(static_cast<double>(value));
  int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  const int scale = exponent - 6;
  const double scaled =
      scale >= 0 ? magnitude / power_of_ten(scale) : magnitude * power_of_ten(-scale);
  auto significand = static_cast<std::uint64_t>(std::llround(scaled));
  if (significand >= 10000000) {
    significand /= 10;
    ++exponent;
  } else if (significand < 1000000) {
    significand *= 10;
    --exponent;
  }
  NumberText digits = digits_of(significand);
  while (digits.back() == '0') digits.pop_back();

  NumberText text;
  if (value < 0) text.push_back('-');
  if (exponent < 0) {
    text.append("0.");
    for (int i = -1; i > exponent; --i) text.push_back('0');
    text.append(digits.view());
    return text;
  }
  const auto whole_digits = static_cast<std::size_t>(exponent) + 1;
  for (std::size_t i = 0; i < digits.size() || i < whole_digits; ++i) {
    if (i == whole_digits) text.push_back('.');
    text.push_back(i < digits.size() ? digits[i] : '0');
  }
  return text;
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

NumberText text_from_int16(std::int16_t value) {
  NumberText text;
  if (value < 0) text.push_back('-');
  const auto magnitude = static_cast<std::uint64_t>(value < 0 ? -static_cast<int>(value) : value);
  text.append(digits_of(magnitude).view());
  return text;
}

}  // namespace qvutt
