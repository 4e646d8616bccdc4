// Reading the address file into joined town records.
#include <cstdio>
#include <cstring>
#include <string>

#include "datafiles/index_build.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"
#include "resolver/book_impl.h"
#include "resolver/book_index.h"
#include "resolver/cp932_words.h"

namespace resolver {

namespace {

constexpr int kColumns = 9;  // the ones a record keeps: city code .. town

// Splits one line into its first kColumns columns, quotes removed. False when
// the line has fewer.
bool SplitLine(const char* line, size_t length, std::string* columns) {
  size_t pos = 0;
  for (int column = 0; column < kColumns; ++column) {
    std::string& out = columns[column];
    out.clear();
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

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
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

void ReadRecords(const char* data, size_t size, bool joinSplitTowns, std::vector<TownRecord>& records) {
  std::string columns[kColumns];
  bool open = false;  // the last record's town continues
  for (size_t pos = 0; pos < size;) {
    const char* lf = static_cast<const char*>(std::memchr(data + pos, '\n', size - pos));
    const size_t end = lf ? static_cast<size_t>(lf - data) : size;
    size_t length = end - pos;
    if (length > 0 && data[pos + length - 1] == '\r') --length;
    const char* line = data + pos;
    pos = end + 1;
    if (!SplitLine(line, length, columns)) continue;
    if (open && joinSplitTowns && ContinuesTown(columns[8]) && !records.empty() && records.back().postalCode == columns[2] &&
        records.back().cityCode == columns[0]) {
      TownRecord& last = records.back();
      last.town += columns[8];
      last.townKana += columns[5];
      open = LeavesParenthesisOpen(last.town);
      continue;
    }
    TownRecord record;
    record.cityCode = columns[0];
    record.oldCode = WithoutBlanks(columns[1]);
    record.postalCode = columns[2];
    record.prefectureKana = columns[3];
    record.cityKana = columns[4];
    record.townKana = columns[5];
    record.prefecture = columns[6];
    record.city = columns[7];
    record.town = columns[8];
    open = LeavesParenthesisOpen(record.town);
    records.push_back(std::move(record));
  }
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  bytes.clear();
  char block[1 << 16];
  size_t got;
  while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
  const bool ok = std::ferror(f) == 0;
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
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    error = "cannot read " + path;
    return false;
  }
  if (datafiles::LooksLikeUtf8Edition(bytes.substr(0, datafiles::kUtf8CheckBytes))) {
    std::string cp932;
    const datafiles::ImportResult result = datafiles::ConvertUtf8Edition(bytes, cp932, datafiles::BuildProgress());
    if (result.status != datafiles::ImportStatus::kDone) {
      error = path + ": not convertible from UTF-8 at line " + std::to_string(result.line);
      return false;
    }
    // Japan Post joined its split towns already; a town cut to fit a line stays cut.
    impl_.reset(new Impl);
    ReadRecords(cp932.data(), cp932.size(), false, impl_->records);
    BuildIndex(*impl_);
    return true;
  }
  LoadFromMemory(bytes.data(), bytes.size());
  return true;
}

void AddressBook::LoadFromMemory(const char* data, size_t size) {
  impl_.reset(new Impl);
  ReadRecords(data, size, true, impl_->records);
  BuildIndex(*impl_);
}

}  // namespace resolver
