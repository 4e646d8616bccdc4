#include "lists/csv_input.h"

#include <algorithm>
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

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr size_t kRawPiece = 1 << 16;

}  // namespace

void Utf16Input::Reset() {
  decoder_ = Utf16Decoder(order_);
  converted_ = kUtf8Bom;
  used_ = 0;
  skipBom_ = true;
  rawEnded_ = false;
}

size_t Utf16Input::Read(char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    if (used_ == converted_.size()) {
      if (rawEnded_) break;
      converted_.clear();
      used_ = 0;
      piece_.resize(kRawPiece);
      const size_t read = raw_.Read(&piece_[0], piece_.size());
      const size_t from = skipBom_ ? std::min(read, kUtf16BomLength) : 0;
      skipBom_ = false;
      decoder_.Append(piece_.data() + from, read - from, converted_);
      if (read < piece_.size()) {
        decoder_.Finish(converted_);
        rawEnded_ = true;
      }
      continue;
    }
    const size_t take = std::min(size - got, converted_.size() - used_);
    std::memcpy(buffer + got, converted_.data() + used_, take);
    got += take;
    used_ += take;
  }
  return got;
}

bool Utf16Input::Restart() {
  if (!raw_.Restart()) return false;
  Reset();
  return true;
}

}  // namespace lists
