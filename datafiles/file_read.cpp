// Reading a small file, or the start of any, the same on every platform.
#include <cstdio>

#include "datafiles/file_access.h"

namespace datafiles {

bool ReadSmallFile(const std::string& path, std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  bytes.clear();
  char block[4096];
  size_t got;
  while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
  std::fclose(f);
  return true;
}

bool ReadFileHead(const std::string& path, size_t maxBytes, std::string& head) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  head.assign(maxBytes, '\0');
  head.resize(std::fread(&head[0], 1, head.size(), f));
  std::fclose(f);
  return true;
}

}  // namespace datafiles
