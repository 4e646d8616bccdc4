// Loading the index files into the search tables, and the city list.
#pragma once

#include <string>
#include <vector>

#include "datafiles/file_set.h"
#include "datafiles/index_store.h"
#include "postal/ranges.h"

namespace datafiles {

// Copies the records of the file's bytes into the table, in file order.
// Records the bytes lack stay zero; records beyond the table are not read.
void LoadPrefectureRanges(const std::string& bytes, postal::PrefectureRange (&table)[postal::kPrefectureRecords]);
void LoadNumberRanges(const std::string& bytes, postal::NumberRange (&table)[postal::kNumberRecords]);

// Zeroes `tables`, then loads the three index files through IndexFileBytes:
// the bytes held in `held`, else the file's (a missing or short file leaves
// zero records). Opens existing files only.
void LoadIndexTables(const FileSet& files, const HeldIndexFiles& held, postal::IndexTables& tables);

// The cities of the city list whose line begins with `prefecture`, the
// prefecture text cut off, in file order. An empty prefecture lists every
// line whole. Empty when the bytes are empty.
std::vector<std::string> CitiesOf(const std::string& cityListBytes, const std::string& prefecture);
std::vector<std::string> ReadCityList(const std::string& cityListFile, const std::string& prefecture);

}  // namespace datafiles
