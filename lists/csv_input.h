// Where a list's bytes come from: a file, or memory. Read once from the start
// to look the file over, then again for the work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "lists/utf16.h"

namespace lists {

class CsvInput {
 public:
  virtual ~CsvInput() = default;
  // Up to `size` bytes into `buffer`; fewer only at the end, or when reading
  // failed (then failed() says so).
  virtual size_t Read(char* buffer, size_t size) = 0;
  // Back to the first byte; false when that is not possible.
  virtual bool Restart() = 0;
  virtual bool failed() const = 0;
  // The whole size, for progress; 0 when unknown.
  virtual uint64_t Size() const = 0;
};

class FileInput : public CsvInput {
 public:
  explicit FileInput(const std::string& path);
  ~FileInput() override;
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

  // False when the file could not be opened.
  bool ok() const { return file_ != nullptr; }
  size_t Read(char* buffer, size_t size) override;
  bool Restart() override;
  bool failed() const override { return failed_; }
  uint64_t Size() const override { return size_; }

 private:
  std::FILE* file_;
  uint64_t size_ = 0;
  bool failed_ = false;
};

// Bytes the caller owns, which must outlive the input.
class MemoryInput : public CsvInput {
 public:
  MemoryInput(const char* data, size_t size) : data_(data), size_(size) {}
  explicit MemoryInput(const std::string& bytes) : MemoryInput(bytes.data(), bytes.size()) {}

  size_t Read(char* buffer, size_t size) override;
  bool Restart() override;
  bool failed() const override { return false; }
  uint64_t Size() const override { return size_; }

 private:
  const char* data_;
  size_t size_;
  size_t pos_ = 0;
};

// A UTF-16 input read as UTF-8 (see Utf16Decoder), its byte order mark as
// UTF-8's, so that the list work reads it as a UTF-8 file with one.
class Utf16Input : public CsvInput {
 public:
  Utf16Input(CsvInput& raw, Utf16Order order) : raw_(raw), order_(order), decoder_(order) { Reset(); }

  size_t Read(char* buffer, size_t size) override;
  bool Restart() override;
  bool failed() const override { return raw_.failed(); }
  // At most this many bytes of UTF-8, for progress.
  uint64_t Size() const override { return raw_.Size() / 2 * 3 + 3; }

 private:
  void Reset();

  CsvInput& raw_;
  const Utf16Order order_;
  Utf16Decoder decoder_;
  std::string piece_;      // raw bytes as read
  std::string converted_;
  size_t used_ = 0;  // of converted_
  bool skipBom_ = true;
  bool rawEnded_ = false;
};

}  // namespace lists
