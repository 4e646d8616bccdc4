#include "postal/office_search.h"

#include <cstring>

#include "postal/line_reader.h"
#include "postal/text.h"
#include "postal/texts.h"

namespace postal {

namespace {

constexpr size_t kFormTextBytes = 255;

// "Begins with" that never reads past the field's terminator, even for a
// text holding a zero byte.
template <size_t N>
bool Begins(const char (&field)[N], const std::string& text) {
  return text.size() <= strnlen(field, N) && std::memcmp(field, text.data(), text.size()) == 0;
}

template <size_t N>
bool Contains(const std::string& needle, const char (&hay)[N]) {
  return ContainsText(needle.data(), needle.size(), hay, strnlen(hay, N));
}

// Calls match(record) for every line of the file that cuts into a record.
template <class Match>
void ForEachOffice(const std::string& path, Match match) {
  LineReader reader(path, kOfficeLineBytes);
  char line[kOfficeLineBytes + 1];
  size_t length;
  OfficeRecord scratch;
  while (reader.NextInto(line, length)) {
    if (ParseOfficeLine(line, scratch)) match(scratch);
  }
}

void SearchNumber(const std::string& path, int kind, std::string text, OfficeRows& rows) {
  if (MatchWildcard("*-*", text.c_str())) RemoveChar(text, '-');
  ForEachOffice(path, [&](const OfficeRecord& r) {
    const bool hit = kind == kOldNumber ? Begins(r.oldNumber, text)
                     : kind == kNewNumber ? Begins(r.number, text)
                                          : Begins(r.cityCode, text);
    if (hit) rows.Add(r);
  });
}

void SearchAreaPlace(const std::string& path, const std::string& place, OfficeRows& rows) {
  std::string prefecture, city;
  SplitAreaPlace(place, prefecture, city);
  ForEachOffice(path, [&](const OfficeRecord& r) {
    if (Begins(r.prefecture, prefecture) && Begins(r.city, city)) rows.Add(r);
  });
}

void SearchLocation(const std::string& path, const SearchForm& q, OfficeRows& rows) {
  const std::string prefecture = TruncateText(q.prefecture, kFormTextBytes);
  const std::string city = TruncateText(q.city, kFormTextBytes);
  const std::string town = TruncateText(q.town, kFormTextBytes);
  ForEachOffice(path, [&](const OfficeRecord& r) {
    if (Begins(r.prefecture, prefecture) && Begins(r.city, city) && Contains(town, r.town)) rows.Add(r);
  });
}

void SearchName(const std::string& path, const std::string& text, OfficeRows& rows) {
  // A name never holds a line end, so such a text finds nothing.
  if (text.find_first_of("\r\n") != std::string::npos) return;
  LineReader reader(path, kOfficeLineBytes);
  char line[kOfficeLineBytes + 1];
  size_t length;
  OfficeRecord scratch;
  // A name is a copy of bytes of its line, so only a line holding the text's
  // bytes can match: the reader jumps to those.
  while (reader.SkipToLineContaining(text) && reader.NextInto(line, length)) {
    if (!ParseOfficeLine(line, scratch)) continue;
    if (Contains(text, scratch.name) || Contains(text, scratch.nameKana)) rows.Add(scratch);
  }
}

}  // namespace

const char* SearchOffices(const std::string& path, const SearchForm& q, OfficeRows& rows) {
  switch (q.mode) {
    case SearchMode::kNumber:
      switch (q.kind) {
        case kOldNumber:
        case kNewNumber:
        case kCityCode: {
          const std::string text = TruncateText(q.number, kFormTextBytes);
          if (text.empty()) return kNeedInput;
          SearchNumber(path, q.kind, text, rows);
          return nullptr;
        }
        case kAreaCode: {
          const std::string place = TruncateText(q.areaPlace, kFormTextBytes);
          if (place.empty()) return kNeedInput;
          SearchAreaPlace(path, place, rows);
          return nullptr;
        }
        default:
          return nullptr;
      }
    case SearchMode::kLocation:
      SearchLocation(path, q, rows);
      return nullptr;
    case SearchMode::kFuzzy: {
      const std::string text = TruncateText(q.fuzzy, kFormTextBytes);
      if (text.empty()) return kNeedInput;
      SearchName(path, text, rows);
      return nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace postal
