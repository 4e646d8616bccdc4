// Reading the address file into joined town records.
#include <cstdio>
#include <cstring>
#include <string>

#include "datafiles/index_build.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"
#include "postal/line_reader.h"
#include "resolver/book_impl.h"
#include "resolver/book_index.h"
#include "resolver/cp932_words.h"

namespace resolver {

namespace {

constexpr int kColumns = 9;  // the ones a record keeps: city code .. town
// Longer than any line of the file: the program's 255-byte limit is not ours.
constexpr size_t kLongestLine = 1 << 16;

// Splits one line into its first kColumns columns, quotes removed, into
// `columns`. False when the line has fewer.
bool SplitLine(const char* line, size_t length, std::string* const* columns) {
  size_t pos = 0;
  for (int column = 0; column < kColumns; ++column) {
    std::string& out = *columns[column];
    if (pos > length) return false;
    if (pos < length && line[pos] == '"') {
      const char* close = static_cast<const char*>(std::memchr(line + pos + 1, '"', length - pos - 1));
      const size_t end = close ? static_cast<size_t>(close - line) : length;
      out.assign(line + pos + 1, end - pos - 1);
      pos = end + 1;
      while (pos < length && line[pos] != ',') ++pos;
    } else {
      const char* comma = static_cast<const char*>(std::memchr(line + pos, ',', length - pos));
      const size_t end = comma ? static_cast<size_t>(comma - line) : length;
      out.assign(line + pos, end - pos);
      pos = end;
    }
    if (column + 1 < kColumns && pos >= length) return false;
    ++pos;  // the comma
  }
  return true;
}

// True when the text opens a （ it does not close: the town goes on on the next line.
bool LeavesParenthesisOpen(const std::string& town) {
  int depth = 0;
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) ++depth;
    if (code == ch::kClose && depth > 0) --depth;
    i += CharWidth(code);
  }
  return depth > 0;
}

void RemoveBlanks(std::string& text) {
  size_t kept = 0;
  for (char c : text) {
    if (c != ' ') text[kept++] = c;
  }
  text.resize(kept);
}

// A continuation line never opens a （ before it closes the open one; a new
// town of the same code (as the UTF-8 edition writes them) usually does.
bool ContinuesTown(const std::string& town) {
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) return false;
    if (code == ch::kClose) return true;
    i += CharWidth(code);
  }
  return true;
}

// Reads the records from the lines `next` hands out (false at the end).
template <class NextLine>
void ReadRecords(NextLine next, bool joinSplitTowns, std::vector<TownRecord>& records) {
  bool open = false;  // the last record's town continues
  const char* line;
  size_t length;
  while (next(line, length)) {
    // Straight into its place: no copy of the columns.
    records.emplace_back();
    TownRecord& record = records.back();
    std::string* const columns[kColumns] = {&record.cityCode,       &record.oldCode,  &record.postalCode,
                                            &record.prefectureKana, &record.cityKana, &record.townKana,
                                            &record.prefecture,     &record.city,     &record.town};
    if (!SplitLine(line, length, columns)) {
      records.pop_back();
      continue;
    }
    if (open && joinSplitTowns && ContinuesTown(record.town) && records.size() >= 2) {
      TownRecord& last = records[records.size() - 2];
      if (last.postalCode == record.postalCode && last.cityCode == record.cityCode) {
        last.town += record.town;
        last.townKana += record.townKana;
        open = LeavesParenthesisOpen(last.town);
        records.pop_back();
        continue;
      }
    }
    RemoveBlanks(record.oldCode);
    open = LeavesParenthesisOpen(record.town);
  }
}

// About the line count of the published file: one reservation, no regrowth.
constexpr size_t kExpectedRecords = 125000;

bool ReadHead(const std::string& path, std::string& head) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  head.resize(datafiles::kUtf8CheckBytes);
  head.resize(std::fread(&head[0], 1, head.size(), f));
  std::fclose(f);
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  bytes.clear();
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    size = std::ftell(f);
    std::rewind(f);
  }
  bool ok;
  if (size >= 0) {
    bytes.resize(static_cast<size_t>(size));
    ok = std::fread(&bytes[0], 1, bytes.size(), f) == bytes.size();
  } else {
    char block[1 << 16];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
    ok = std::ferror(f) == 0;
  }
  std::fclose(f);
  return ok;
}

}  // namespace

AddressBook::AddressBook() : impl_(new Impl) {}
AddressBook::~AddressBook() = default;
AddressBook::AddressBook(AddressBook&&) noexcept = default;
AddressBook& AddressBook::operator=(AddressBook&&) noexcept = default;

size_t AddressBook::RecordCount() const { return impl_->records.size(); }
const TownRecord& AddressBook::Record(size_t index) const { return impl_->records[index]; }

bool AddressBook::Load(const std::string& path, std::string& error) {
  std::string head;
  if (!ReadHead(path, head)) {
    error = "cannot read " + path;
    return false;
  }
  impl_.reset(new Impl);
  if (datafiles::LooksLikeUtf8Edition(head)) {
    std::string bytes, cp932;
    if (!ReadWholeFile(path, bytes)) {
      error = "cannot read " + path;
      return false;
    }
    const datafiles::ImportResult result = datafiles::ConvertUtf8Edition(bytes, cp932, datafiles::BuildProgress());
    if (result.status != datafiles::ImportStatus::kDone) {
      error = path + ": not convertible from UTF-8 at line " + std::to_string(result.line);
      return false;
    }
    // Japan Post joined its split towns already; a town cut to fit a line stays cut.
    postal::LineReader reader(cp932.data(), cp932.size(), kLongestLine);
    impl_->records.reserve(kExpectedRecords);
    ReadRecords([&](const char*& line, size_t& length) { return reader.Next(line, length); }, false, impl_->records);
  } else {
    // Read in blocks: the file itself is never held whole.
    postal::LineReader reader(path, kLongestLine);
    impl_->records.reserve(kExpectedRecords);
    ReadRecords([&](const char*& line, size_t& length) { return reader.Next(line, length); }, true, impl_->records);
  }
  BuildIndex(*impl_);
  return true;
}

void AddressBook::LoadFromMemory(const char* data, size_t size) {
  impl_.reset(new Impl);
  postal::LineReader reader(data, size, kLongestLine);
  ReadRecords([&](const char*& line, size_t& length) { return reader.Next(line, length); }, true, impl_->records);
  BuildIndex(*impl_);
}

}  // namespace resolver
