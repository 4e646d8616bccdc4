#include "datafiles/index_load.h"

#include <cstring>

#include "datafiles/file_access.h"
#include "datafiles/index_store.h"
#include "datafiles/range_format.h"
#include "postal/line_reader.h"

namespace datafiles {

namespace {

constexpr size_t kCityListLineBytes = 255;

}  // namespace

void LoadPrefectureRanges(const std::string& bytes, postal::PrefectureRange (&table)[postal::kPrefectureRecords]) {
  for (int i = 0; i < postal::kPrefectureRecords; ++i) {
    if (!ReadRecord(bytes, i, table[i])) std::memset(&table[i], 0, sizeof table[i]);
  }
}

void LoadNumberRanges(const std::string& bytes, postal::NumberRange (&table)[postal::kNumberRecords]) {
  for (int i = 0; i < postal::kNumberRecords; ++i) {
    if (!ReadRecord(bytes, i, table[i])) std::memset(&table[i], 0, sizeof table[i]);
  }
}

void LoadIndexTables(const FileSet& files, const HeldIndexFiles& held, postal::IndexTables& tables) {
  std::memset(&tables, 0, sizeof tables);
  LoadPrefectureRanges(IndexFileBytes(files.prefectureRanges, held), tables.prefectures);
  LoadNumberRanges(IndexFileBytes(files.newNumberRanges, held), tables.newNumbers);
  LoadNumberRanges(IndexFileBytes(files.oldNumberRanges, held), tables.oldNumbers);
}

std::vector<std::string> CitiesOf(const std::string& bytes, const std::string& prefecture) {
  std::vector<std::string> cities;
  postal::LineReader reader(bytes.data(), bytes.size(), kCityListLineBytes);
  const char* text;
  size_t length;
  while (reader.Next(text, length)) {
    if (length >= prefecture.size() && std::memcmp(text, prefecture.data(), prefecture.size()) == 0) {
      cities.emplace_back(text + prefecture.size(), length - prefecture.size());
    }
  }
  return cities;
}

std::vector<std::string> ReadCityList(const std::string& cityListFile, const std::string& prefecture) {
  std::string bytes;
  if (!ReadSmallFile(cityListFile, bytes)) return {};
  return CitiesOf(bytes, prefecture);
}

}  // namespace datafiles
