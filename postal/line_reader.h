// Reads a data file as the program's text-mode line reads see it: a CR LF
// pair ends a line like a lone LF, and a line longer than the reader's limit
// arrives in pieces of at most that many bytes, each piece counting as a line.
// The file is read in large blocks, so no allocation happens per line, and
// the block never grows: data without line ends is handed out in pieces.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace postal {

// The longest piece read as one line: a line of the address file longer
// than this arrives in pieces, none of which is a record.
constexpr size_t kAddressLineBytes = 255;
constexpr size_t kOfficeLineBytes = 511;

class LineReader {
 public:
  // maxLineBytes: the longest piece handed out (255 for the address file,
  // 511 for the business-office file).
  LineReader(const std::string& path, size_t maxLineBytes);
  // Reads from memory instead of a file (for tests and in-memory builds).
  LineReader(const char* data, size_t size, size_t maxLineBytes);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool IsOpen() const { return open_; }

  // The next piece: `text` holds `length` bytes without the line end.
  // `text` stays valid until the next call. Returns false at the end.
  bool Next(const char*& text, size_t& length);

  // Copies the next piece into `buffer` (of at least maxLineBytes + 1 bytes)
  // and terminates it. Returns false at the end.
  bool NextInto(char* buffer, size_t& length);

  // Moves to the start of the next physical line whose bytes contain
  // `needle` (not empty, no line end in it). Returns false, at the end of the
  // data, when none does. Pieces between are passed over and not counted in
  // PieceCount.
  bool SkipToLineContaining(const std::string& needle);

  // Pieces handed out so far (the number of the last one, counting from 1).
  long PieceCount() const { return pieces_; }

 private:
  bool Fill();

  std::FILE* file_ = nullptr;
  bool open_ = false;
  size_t max_;
  std::unique_ptr<char[]> block_;  // left uninitialised: a search starts with one
  size_t capacity_ = 0;
  const char* data_ = nullptr;  // the bytes being read: block_ or caller's memory
  size_t size_ = 0;             // bytes valid in data_
  size_t pos_ = 0;              // start of the next piece
  bool eof_ = false;
  long pieces_ = 0;
};

}  // namespace postal
