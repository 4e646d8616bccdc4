// A printf format text with its arguments, into a string of exactly the size
// it takes: no buffer of a guessed size to cut a long path or a count.
#pragma once

#include <cstdio>
#include <string>

namespace kuranto {

template <class... Args>
std::string FormatText(const char* format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return std::string();
  std::string text(static_cast<size_t>(size), '\0');
  std::snprintf(&text[0], text.size() + 1, format, args...);
  return text;
}

}  // namespace kuranto
