#include "postal/text.h"

#include <cstring>

namespace postal {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool ContainsText(const char* needle, size_t n, const char* hay, size_t hayLength) {
  if (n > hayLength) return false;
  const size_t last = hayLength - n;
  for (size_t pos = 0; pos <= last;) {
    if (std::memcmp(hay + pos, needle, n) == 0) return true;
    // Only the lead byte may start a character; hay[pos + 1] exists since pos < hayLength
    // or is the terminator.
    pos += (pos + 1 < hayLength && IsDoubleByte(hay + pos)) ? 2 : 1;
  }
  return false;
}

bool ContainsText(const char* needle, const char* hay) {
  return ContainsText(needle, std::strlen(needle), hay, std::strlen(hay));
}

void RemoveChar(const char* src, char* dst, char byte) {
  for (; *src != '\0'; ++src) {
    if (*src != byte) *dst++ = *src;
  }
  *dst = '\0';
}

void RemoveChar(std::string& text, char byte) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != byte) kept += c;
  }
  text.swap(kept);
}

// Only the last star ever needs to take more bytes: an earlier star can
// always give up what a later one would take. So one resume point suffices
// and the match is linear in practice instead of exponential in the stars.
bool MatchWildcard(const char* pattern, const char* text) {
  const char* p = pattern;
  const char* t = text;
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*t != '\0') {
    if (*p == '*') {
      star = p++;
      resume = t;
    } else if (*p != '\0' && (*p == '?' || FoldAscii(*p) == FoldAscii(*t))) {
      ++p;
      ++t;
    } else if (star != nullptr) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (*p == '*') ++p;
  return *p == '\0';
}

bool AppendBackslash(std::string& path) {
  const size_t n = path.size();
  if (n > 0 && path[n - 1] == '\\' && !(n >= 2 && IsDoubleByte(path.c_str() + n - 2))) return false;
  path += '\\';
  return true;
}

void SplitPath(const std::string& path, std::string& dir, std::string& name) {
  dir.clear();
  name.clear();
  size_t separator = std::string::npos;
  for (size_t i = 0; i < path.size();) {
    if (i + 1 < path.size() && IsDoubleByte(path.c_str() + i)) {
      i += 2;
      continue;
    }
    if (path[i] == '\\' || path[i] == '/') separator = i;
    ++i;
  }
  if (separator == std::string::npos || separator == 0) {
    name = path;
    return;
  }
  dir = path.substr(0, separator);
  name = path.substr(separator + 1);
}

std::string BreakPathLines(const std::string& path, size_t lineBytes) {
  std::string lines;
  size_t lineStart = 0;  // in `lines`
  size_t partStart = 0;  // in `path`
  const auto addPart = [&](size_t end) {
    const size_t part = end - partStart;
    if (lines.size() > lineStart && lines.size() - lineStart + part > lineBytes) {
      lines += '\n';
      lineStart = lines.size();
    }
    lines.append(path, partStart, part);
    partStart = end;
  };
  for (size_t i = 0; i < path.size();) {
    if (i + 1 < path.size() && IsDoubleByte(path.c_str() + i)) {
      i += 2;
      continue;
    }
    const bool separator = path[i] == '\\' || path[i] == '/';
    ++i;
    if (separator) addPart(i);
  }
  addPart(path.size());
  return lines;
}

size_t CharBoundaryLength(const char* text, size_t length, size_t maxBytes) {
  if (length <= maxBytes) return length;
  size_t i = 0;
  while (i < maxBytes) {
    const size_t step = (i + 1 < length && IsDoubleByte(text + i)) ? 2 : 1;
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

std::string TruncateText(const std::string& text, size_t maxBytes) {
  return text.substr(0, CharBoundaryLength(text.data(), text.size(), maxBytes));
}

void CopyToSlot(char* slot, size_t width, const char* text, size_t length) {
  const size_t n = CharBoundaryLength(text, length, width - 1);
  std::memcpy(slot, text, n);
  slot[n] = '\0';
}

}  // namespace postal
