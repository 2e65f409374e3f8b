// The text forms of stored numbers. Locale-independent on purpose: a value
// written under one regional setting must read back under any other.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/fixed_text.h"

namespace qvutt {

// Room for any float written as below: 39 digits and a sign at the most.
using NumberText = FixedText<64>;

// An optionally signed decimal with an optional fraction ("-1200", "+7.5", ".5"),
// spaces around it allowed. Nothing, when the text is not such a number or lies
// beyond a 32-bit float.
std::optional<float> single_from_text(std::string_view text);

// Decimal, up to seven significant digits, never an exponent, no point for
// whole numbers.
NumberText text_from_single(float value);

// As single_from_text, then rounded to the nearest integer, halves to even.
// Nothing, when the result lies outside -32768..32767.
std::optional<std::int16_t> int16_from_text(std::string_view text);

NumberText text_from_int16(std::int16_t value);

}  // namespace qvutt
