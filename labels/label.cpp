#include "labels/label.h"

#include "labels/page.h"

namespace labels {

// UTF-8 written as bytes, so that no compiler reads them in another code page.
const char kSama[] = "\xE6\xA7\x98";                    // 様
const char kOnchu[] = "\xE5\xBE\xA1\xE4\xB8\xAD";  // 御中

namespace {

// Honorifics a list may have written itself: none is added after them.
const char* const kWritten[] = {kSama, "\xE6\xAE\xBF", kOnchu, "\xE5\x85\x88\xE7\x94\x9F", "\xE5\x90\x84\xE4\xBD\x8D"};  // 殿 先生 各位

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string Honorific(HonorificRule rule, const std::string& name, const std::string& company,
                      const std::string& department) {
  const std::string& before = !name.empty() ? name : !department.empty() ? department : company;
  if (before.empty() || rule == HonorificRule::kNone) return "";
  for (const char* written : kWritten) {
    if (EndsWith(before, written)) return "";
  }
  switch (rule) {
    case HonorificRule::kSama:
      return kSama;
    case HonorificRule::kOnchu:
      return kOnchu;
    case HonorificRule::kAuto:
      return name.empty() ? kOnchu : kSama;
    case HonorificRule::kNone:
      break;
  }
  return "";
}

Rect TextRun::Box() const {
  const double em = points * kMmPerPoint;
  return Rect{x, baseline - kAscent * em, width, em};
}

void Page::Clear() {
  texts.clear();
  bars.clear();
  frames.clear();
  labels.clear();
}

}  // namespace labels
