#include "datafiles/area_codes.h"

#include <cstring>

#include "datafiles/file_access.h"
#include "postal/text.h"

namespace datafiles {

namespace {

// Cuts [text, end) at the next comma; returns where the field ends.
const char* FieldEnd(const char* text, const char* end) {
  const void* comma = std::memchr(text, ',', static_cast<size_t>(end - text));
  return comma != nullptr ? static_cast<const char*>(comma) : end;
}

}  // namespace

bool ParseAreaCodeLine(const char* line, size_t length, AreaCodeEntry& entry) {
  std::memset(&entry, 0, sizeof entry);
  // A comma byte is never the trail byte of a double-byte character, so a
  // plain byte search finds the real separators.
  const char* end = line + (length < kAreaLineBytes ? length : kAreaLineBytes);
  const char* codeEnd = FieldEnd(line, end);
  if (codeEnd == end) return false;
  const char* prefecture = codeEnd + 1;
  const char* prefectureEnd = FieldEnd(prefecture, end);
  if (prefectureEnd == end) return false;
  const char* city = prefectureEnd + 1;
  postal::CopyToSlot(entry.areaCode, kAreaCodeWidth, line, static_cast<size_t>(codeEnd - line));
  postal::CopyToSlot(entry.prefecture, kAreaPrefectureWidth, prefecture, static_cast<size_t>(prefectureEnd - prefecture));
  postal::CopyToSlot(entry.city, kAreaCityWidth, city, static_cast<size_t>(end - city));
  return true;
}

std::vector<AreaCodeEntry> ParseAreaCodes(const std::string& bytes) {
  std::vector<AreaCodeEntry> entries;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t lineEnd = bytes.find('\n', pos);
    const size_t next = lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
    if (lineEnd == std::string::npos) lineEnd = bytes.size();
    if (lineEnd > pos && bytes[lineEnd - 1] == '\r') --lineEnd;
    AreaCodeEntry entry;
    if (ParseAreaCodeLine(bytes.data() + pos, lineEnd - pos, entry)) entries.push_back(entry);
    pos = next;
  }
  return entries;
}

std::string AreaPlaceItem(const AreaCodeEntry& entry) {
  std::string item = entry.prefecture;
  item += ' ';
  item += entry.city;
  return item;
}

std::vector<std::string> AreaPlacesForBytes(const std::string& telnumBytes, const std::string& typedNumber) {
  std::vector<std::string> places;
  // No entry holds a longer code, nor one with a NUL in it.
  if (typedNumber.size() >= kAreaCodeWidth) return places;
  for (const AreaCodeEntry& entry : ParseAreaCodes(telnumBytes)) {
    if (typedNumber == entry.areaCode) places.push_back(AreaPlaceItem(entry));
  }
  return places;
}

std::vector<std::string> AreaPlacesFor(const std::string& telnumFile, const std::string& typedNumber) {
  std::string bytes;
  if (!ReadSmallFile(telnumFile, bytes)) return {};
  return AreaPlacesForBytes(bytes, typedNumber);
}

}  // namespace datafiles
