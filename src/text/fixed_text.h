// Short texts that live in place: a capacity fixed at compile time, never an
// allocation. The program's texts (a clock, a day count, a stored number) are
// all short, and a program that never allocates has nothing to run out of.
#pragma once

#include <cstddef>
#include <string_view>

namespace qvutt {

template <std::size_t Capacity>
class FixedText {
 public:
  constexpr FixedText() = default;
  // Keeps as much of text as fits.
  constexpr explicit FixedText(std::string_view text) { append(text); }

  constexpr void push_back(char c) {
    if (size_ < Capacity) {
      chars_[size_++] = c;
      chars_[size_] = '\0';
    }
  }
  constexpr void append(std::string_view text) {
    for (const char c : text) push_back(c);
  }
  constexpr void push_front(char c) {
    if (size_ == Capacity) return;
    for (std::size_t i = size_; i > 0; --i) chars_[i] = chars_[i - 1];
    chars_[0] = c;
    chars_[++size_] = '\0';
  }
  constexpr void pop_back() {
    if (size_ > 0) chars_[--size_] = '\0';
  }

  static constexpr std::size_t capacity() { return Capacity; }
  constexpr std::string_view view() const { return {chars_, size_}; }
  constexpr const char* c_str() const { return chars_; }
  constexpr std::size_t size() const { return size_; }
  constexpr char& operator[](std::size_t index) { return chars_[index]; }
  constexpr char operator[](std::size_t index) const { return chars_[index]; }
  constexpr char back() const { return chars_[size_ - 1]; }

  friend constexpr bool operator==(const FixedText& text, std::string_view other) {
    return text.view() == other;
  }
  friend constexpr bool operator!=(const FixedText& text, std::string_view other) {
    return text.view() != other;
  }

 private:
  char chars_[Capacity + 1] = {};
  std::size_t size_ = 0;
};

}  // namespace qvutt
