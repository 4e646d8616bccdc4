// Writing a file through a temporary one, the same on every platform but
// for the rename.
#include <cstdio>

#include "datafiles/file_access.h"

namespace datafiles {

ReplacingFile::ReplacingFile(const std::string& path)
    : path_(path), temporary_(path + ".tmp"), file_(std::fopen(temporary_.c_str(), "wb")) {}

ReplacingFile::~ReplacingFile() { Abandon(); }

void ReplacingFile::Abandon() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  std::remove(temporary_.c_str());
}

bool ReplacingFile::Write(const char* data, size_t size) {
  return file_ != nullptr && std::fwrite(data, 1, size, file_) == size;
}

bool ReplacingFile::Commit() {
  if (file_ == nullptr) return false;
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) == 0 && RenameReplacing(temporary_, path_)) return true;
  std::remove(temporary_.c_str());
  return false;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  ReplacingFile file(path);
  return file.Write(bytes.data(), bytes.size()) && file.Commit();
}

}  // namespace datafiles
