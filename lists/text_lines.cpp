#include "lists/text_lines.h"

#include <cstring>

#include "lists/csv_encoding.h"

namespace lists {

namespace {

constexpr size_t kPiece = 1 << 16;

}  // namespace

// Appends the next piece of the source, decoded; false at its end.
bool TextLines::Fill() {
  if (ended_) return false;
  std::string raw(kPiece, '\0');
  const size_t got = source_(&raw[0], raw.size());
  raw.resize(got);
  if (used_ > 0) {
    buffer_.erase(0, used_);
    used_ = 0;
  }
  if (got == 0) ended_ = true;
  if (order_ == Utf16Order::kNone) {
    buffer_ += raw;
  } else {
    decoder_.Append(raw.data(), raw.size(), buffer_);
    if (ended_) decoder_.Finish(buffer_);
  }
  return got != 0;
}

ListStart TextLines::Open() {
  // The start: what a pipe holds of it, or the first line typed.
  while (buffer_.size() < kFormSample && buffer_.find('\n') == std::string::npos && Fill()) {
  }
  while (buffer_.size() < kUtf16BomLength && Fill()) {
  }
  const ListStart start = ClassifyStart(buffer_.data(), buffer_.size());
  order_ = Utf16ByteOrderMark(buffer_.data(), buffer_.size());
  if (start != ListStart::kText || order_ == Utf16Order::kNone) return start;
  const std::string raw = buffer_.substr(kUtf16BomLength);
  buffer_.clear();
  decoder_ = Utf16Decoder(order_);
  decoder_.Append(raw.data(), raw.size(), buffer_);
  if (ended_) decoder_.Finish(buffer_);
  return ClassifyStart(buffer_.data(), buffer_.size());
}

bool TextLines::Next(std::string& line) {
  size_t end;
  while ((end = buffer_.find('\n', used_)) == std::string::npos) {
    if (!Fill()) break;
  }
  if (used_ >= buffer_.size() && end == std::string::npos) return false;
  const size_t stop = end == std::string::npos ? buffer_.size() : end;
  line.assign(buffer_, used_, stop - used_);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  used_ = end == std::string::npos ? buffer_.size() : end + 1;
  ++lineNumber_;
  return true;
}

bool IsTextLine(const std::string& line, bool utf8) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7F) return false;
  }
  return utf8 ? IsUtf8Text(line.data(), line.size()) : IsCp932Text(line.data(), line.size());
}

}  // namespace lists
