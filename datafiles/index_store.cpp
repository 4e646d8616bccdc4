#include "datafiles/index_store.h"

#include "datafiles/file_access.h"

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

}  // namespace datafiles
