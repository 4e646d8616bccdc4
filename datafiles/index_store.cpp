#include "datafiles/index_store.h"

#include <cstring>

#include "datafiles/file_access.h"
#include "datafiles/index_load.h"

namespace datafiles {

bool StoreIndexFile(const std::string& path, const std::string& bytes, HeldIndexFiles& held) {
  if (WriteFileReplacing(path, bytes)) {
    held.bytes.erase(path);
    return true;
  }
  held.bytes[path] = bytes;
  return false;
}

std::string IndexFileBytes(const std::string& path, const HeldIndexFiles& held) {
  const auto found = held.bytes.find(path);
  if (found != held.bytes.end()) return found->second;
  std::string bytes;
  if (!ReadSmallFile(path, bytes)) bytes.clear();
  return bytes;
}

void LoadIndexTables(const FileSet& files, const HeldIndexFiles& held, postal::IndexTables& tables) {
  std::memset(&tables, 0, sizeof tables);
  LoadPrefectureRanges(IndexFileBytes(files.prefectureRanges, held), tables.prefectures);
  LoadNumberRanges(IndexFileBytes(files.newNumberRanges, held), tables.newNumbers);
  LoadNumberRanges(IndexFileBytes(files.oldNumberRanges, held), tables.oldNumbers);
}

}  // namespace datafiles
