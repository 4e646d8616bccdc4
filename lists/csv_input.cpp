#include "lists/csv_input.h"

#include <cstring>

#include "datafiles/file_access.h"

namespace lists {

FileInput::FileInput(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (file_ != nullptr && !datafiles::FileSize(path, size_)) size_ = 0;
}

FileInput::~FileInput() {
  if (file_ != nullptr) std::fclose(file_);
}

size_t FileInput::Read(char* buffer, size_t size) {
  if (file_ == nullptr) return 0;
  const size_t got = std::fread(buffer, 1, size, file_);
  if (got < size && std::ferror(file_)) failed_ = true;
  return got;
}

bool FileInput::Restart() { return file_ != nullptr && std::fseek(file_, 0, SEEK_SET) == 0; }

size_t MemoryInput::Read(char* buffer, size_t size) {
  const size_t got = size < size_ - pos_ ? size : size_ - pos_;
  if (got > 0) std::memcpy(buffer, data_ + pos_, got);
  pos_ += got;
  return got;
}

bool MemoryInput::Restart() {
  pos_ = 0;
  return true;
}

}  // namespace lists
