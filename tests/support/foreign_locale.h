// Switches the C library to a locale whose separators differ from ':' and '.',
// for as long as the object lives.
#pragma once

#include <clocale>

namespace qvutt {

class ForeignLocale {
 public:
  ForeignLocale() {
    for (const char* name :
         {"fi_FI.UTF-8", "de_DE.UTF-8", "Finnish_Finland.1252", "German_Germany.1252"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        name_ = name;
        return;
      }
    }
  }
  ~ForeignLocale() { std::setlocale(LC_ALL, "C"); }
  ForeignLocale(const ForeignLocale&) = delete;
  ForeignLocale& operator=(const ForeignLocale&) = delete;

  // Nothing when the machine has none of them.
  const char* name() const { return name_; }

 private:
  const char* name_ = nullptr;
};

}  // namespace qvutt
