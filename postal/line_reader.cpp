#include "postal/line_reader.h"

#include <algorithm>
#include <cstring>

namespace postal {

namespace {
constexpr size_t kBlockBytes = 1 << 20;
}

LineReader::LineReader(const std::string& path, size_t maxLineBytes) : max_(maxLineBytes) {
  file_ = std::fopen(path.c_str(), "rb");
  open_ = file_ != nullptr;
  if (open_) {
    block_.reset(new char[kBlockBytes]);
    capacity_ = kBlockBytes;
  }
  data_ = block_.get();
}

LineReader::LineReader(const char* data, size_t size, size_t maxLineBytes)
    : open_(true), max_(maxLineBytes), data_(data), size_(size), eof_(true) {}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

// Keeps the unread tail and appends the next block; false when nothing new came.
bool LineReader::Fill() {
  if (eof_ || file_ == nullptr) return false;
  const size_t keep = size_ - pos_;
  if (keep > 0 && pos_ > 0) std::memmove(block_.get(), block_.get() + pos_, keep);
  size_ = keep;
  pos_ = 0;
  if (size_ == capacity_) {  // one line longer than a block
    std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
    std::memcpy(larger.get(), block_.get(), size_);
    block_.swap(larger);
    capacity_ *= 2;
  }
  data_ = block_.get();
  const size_t got = std::fread(block_.get() + size_, 1, capacity_ - size_, file_);
  size_ += got;
  if (got == 0) eof_ = true;
  return got > 0;
}

bool LineReader::Next(const char*& text, size_t& length) {
  if (!open_) return false;
  for (;;) {
    const size_t available = size_ - pos_;
    const char* start = data_ + pos_;
    const void* lf = std::memchr(start, '\n', available);
    // More than a piece's worth without a line end: hand out a piece rather
    // than grow the block (a file with CR-only line ends is one huge line).
    if (lf == nullptr && !eof_ && available <= max_ + 1) {
      if (Fill()) continue;
    }
    if (available == 0) return false;
    // The logical line: up to the LF, a CR just before it dropped.
    size_t lineLength = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : available;
    const size_t ending = lf ? 1 : 0;
    size_t contentLength = lineLength;
    const bool dropCr = lf != nullptr && lineLength > 0 && start[lineLength - 1] == '\r';
    if (dropCr) --contentLength;
    ++pieces_;
    text = start;
    // Like fgets into a buffer of max_ + 1 bytes: a full buffer leaves the
    // line end (if any) for the next read, so a line of exactly max_ bytes
    // is followed by an empty piece.
    if (contentLength > max_ || (contentLength == max_ && lf != nullptr)) {
      length = max_;
      pos_ += max_;
      return true;
    }
    length = contentLength;
    pos_ += lineLength + ending;
    return true;
  }
}

bool LineReader::NextInto(char* buffer, size_t& length) {
  const char* text;
  if (!Next(text, length)) return false;
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
  return true;
}

bool LineReader::SkipToLineContaining(const std::string& needle) {
  if (!open_ || needle.empty()) return false;
  for (;;) {
    // Search only complete lines: the tail after the last LF may still grow.
    const char* begin = data_ + pos_;
    size_t searchable = size_ - pos_;
    size_t passOver = searchable;  // what a search without a hit moves past
    if (!eof_) {
      const char* lastLf = nullptr;
      for (size_t i = searchable; i > 0; --i) {
        if (begin[i - 1] == '\n') {
          lastLf = begin + i - 1;
          break;
        }
      }
      if (lastLf != nullptr) {
        searchable = passOver = static_cast<size_t>(lastLf - begin) + 1;
      } else if (searchable < capacity_) {
        Fill();  // at the end, eof_ is set and the rest is searched as it is
        continue;
      } else {
        // A full block without a line end (CR-only line ends) is searched
        // whole, keeping only what a hit across its end needs: the block
        // never grows.
        passOver = searchable - std::min(searchable, needle.size() - 1);
      }
    }
    const char* hit = nullptr;
    if (searchable >= needle.size()) {
      const char* end = begin + searchable;
      const char first = needle[0];
      for (const char* p = begin; p + needle.size() <= end;) {
        p = static_cast<const char*>(std::memchr(p, first, static_cast<size_t>(end - p) - needle.size() + 1));
        if (p == nullptr) break;
        if (std::memcmp(p, needle.data(), needle.size()) == 0) {
          hit = p;
          break;
        }
        ++p;
      }
    }
    if (hit != nullptr) {
      // Back to the start of the hit's physical line, or of the piece we are in.
      const char* lineStart = hit;
      while (lineStart > begin && lineStart[-1] != '\n') --lineStart;
      pos_ += static_cast<size_t>(lineStart - begin);
      return true;
    }
    // No hit in the complete lines: pass over them.
    pos_ += passOver;
    if (eof_) return false;
    Fill();
  }
}

}  // namespace postal
