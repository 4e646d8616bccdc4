// Reading the address file into joined town records.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "datafiles/index_build.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"
#include "postal/line_reader.h"
#include "resolver/book_impl.h"
#include "resolver/book_index.h"
#include "resolver/cp932_words.h"
#include "resolver/page_prefault.h"

namespace resolver {

namespace {

constexpr int kColumns = 9;  // the ones a record keeps: city code .. town
// Longer than any line of the file: the program's 255-byte limit is not ours.
constexpr size_t kLongestLine = 1 << 16;

}  // namespace

bool SplitLine(const char* line, size_t length, std::string_view* const* columns, int count) {
  size_t pos = 0;
  for (int column = 0; column < count; ++column) {
    std::string_view& out = *columns[column];
    if (pos > length) return false;
    if (pos < length && line[pos] == '"') {
      const char* close = static_cast<const char*>(std::memchr(line + pos + 1, '"', length - pos - 1));
      const size_t end = close ? static_cast<size_t>(close - line) : length;
      out = std::string_view(line + pos + 1, end - pos - 1);
      pos = end + 1;
      while (pos < length && line[pos] != ',') ++pos;
    } else {
      const char* comma = static_cast<const char*>(std::memchr(line + pos, ',', length - pos));
      const size_t end = comma ? static_cast<size_t>(comma - line) : length;
      out = std::string_view(line + pos, end - pos);
      pos = end;
    }
    if (column + 1 < count && pos >= length) return false;
    ++pos;  // the comma
  }
  return true;
}

namespace {

// True when the text opens a （ it does not close: the town goes on on the next line.
bool LeavesParenthesisOpen(std::string_view town) {
  int depth = 0;
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) ++depth;
    if (code == ch::kClose && depth > 0) --depth;
    i += CharWidth(code);
  }
  return depth > 0;
}

// Removes the blanks of a field of `text` in place; the view shrinks to what is left.
void RemoveBlanks(std::string& text, std::string_view& field) {
  char* const begin = &text[static_cast<size_t>(field.data() - text.data())];
  size_t kept = 0;
  for (char c : field) {
    if (c != ' ') begin[kept++] = c;
  }
  field = std::string_view(begin, kept);
}

// A continuation line never opens a （ before it closes the open one; a new
// town of the same code (as the UTF-8 edition writes them) usually does.
bool ContinuesTown(std::string_view town) {
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) return false;
    if (code == ch::kClose) return true;
    i += CharWidth(code);
  }
  return true;
}

// `record`'s views as offsets into `text`, which they point into.
StoredRecord Store(const TownRecord& record, const std::string& text) {
  const std::string_view fields[StoredRecord::kFields] = {
      record.postalCode, record.oldCode, record.cityCode, record.prefecture, record.city,
      record.town, record.prefectureKana, record.cityKana, record.townKana};
  StoredRecord stored;
  for (int f = 0; f < StoredRecord::kFields; ++f) {
    stored.offset[f] = static_cast<uint32_t>(fields[f].data() - text.data());
    stored.length[f] = static_cast<uint32_t>(fields[f].size());
  }
  return stored;
}

// Japan Post's cp932 files cut a long town over lines, to be joined; its
// UTF-8 edition joined them already, and a town cut there stays cut.
enum class SplitTowns { kJoin, kKeep };

// Reads the records of `book.text`, their fields viewing into it.
void ReadRecords(SplitTowns splitTowns, AddressBook::Impl& book) {
  // One reservation, no regrowth: at most a record a line.
  book.records.reserve(static_cast<size_t>(std::count(book.text.begin(), book.text.end(), '\n')) + 1);
  PrefaultForWrite(book.records.data(), book.records.capacity() * sizeof(StoredRecord));
  postal::LineReader reader(book.text.data(), book.text.size(), kLongestLine);
  bool open = false;  // the last record's town continues
  const char* line;
  size_t length;
  while (reader.Next(line, length)) {
    // Records keep 32-bit offsets: an address file is a small part of that.
    if (static_cast<uint64_t>(line - book.text.data()) + length > 0xFFFFFFFFu) break;
    TownRecord record;
    std::string_view* const columns[kColumns] = {&record.cityCode,       &record.oldCode,  &record.postalCode,
                                                 &record.prefectureKana, &record.cityKana, &record.townKana,
                                                 &record.prefecture,     &record.city,     &record.town};
    if (!SplitLine(line, length, columns, kColumns)) continue;
    if (open && splitTowns == SplitTowns::kJoin && ContinuesTown(record.town) && !book.records.empty()) {
      const size_t lastIndex = book.records.size() - 1;
      if (book.Text(lastIndex, StoredRecord::kPostalCode) == record.postalCode &&
          book.Text(lastIndex, StoredRecord::kCityCode) == record.cityCode) {
        StoredRecord& last = book.records.back();
        if (last.joined == StoredRecord::kNotJoined) {
          book.joinedTowns.push_back(JoinedTown{std::string(book.Text(lastIndex, StoredRecord::kTown)),
                                                std::string(book.Text(lastIndex, StoredRecord::kTownKana))});
          last.joined = static_cast<uint32_t>(book.joinedTowns.size() - 1);
        }
        JoinedTown& joined = book.joinedTowns.back();
        joined.town += record.town;
        joined.townKana += record.townKana;
        open = LeavesParenthesisOpen(joined.town);
        continue;
      }
    }
    RemoveBlanks(book.text, record.oldCode);
    open = LeavesParenthesisOpen(record.town);
    book.records.push_back(Store(record, book.text));
  }
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The rest of `f` into `bytes`. The size the file reports only sizes the
// first read (a directory reports an absurd one, some files none): reading
// goes on to the end of the file.
bool ReadWholeFile(std::FILE* f, std::string& bytes) {
  constexpr long kLargestHint = 1L << 30;
  constexpr size_t kBlock = 1 << 20;
  long hint = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    hint = std::ftell(f);
    std::rewind(f);
  }
  // One byte more than the file, so that its end is seen without a second block.
  const size_t first = hint >= 0 && hint < kLargestHint ? static_cast<size_t>(hint) + 1 : kBlock;
  bytes.reserve(first);
  PrefaultForWrite(&bytes[0], bytes.capacity());
  bytes.resize(first);
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(bytes.size() + kBlock);
    const size_t read = std::fread(&bytes[got], 1, bytes.size() - got, f);
    if (read == 0) break;
    got += read;
  }
  bytes.resize(got);
  return std::ferror(f) == 0;
}

}  // namespace

AddressBook::AddressBook() : impl_(new Impl) {}
AddressBook::~AddressBook() = default;
AddressBook::AddressBook(AddressBook&&) noexcept = default;
AddressBook& AddressBook::operator=(AddressBook&&) noexcept = default;

size_t AddressBook::RecordCount() const { return impl_->records.size(); }
TownRecord AddressBook::Record(size_t index) const { return impl_->Record(index); }

TownRecord AddressBook::Impl::Record(size_t index) const {
  TownRecord record;
  record.postalCode = Text(index, StoredRecord::kPostalCode);
  record.oldCode = Text(index, StoredRecord::kOldCode);
  record.cityCode = Text(index, StoredRecord::kCityCode);
  record.prefecture = Text(index, StoredRecord::kPrefecture);
  record.city = Text(index, StoredRecord::kCity);
  record.town = Text(index, StoredRecord::kTown);
  record.prefectureKana = Text(index, StoredRecord::kPrefectureKana);
  record.cityKana = Text(index, StoredRecord::kCityKana);
  record.townKana = Text(index, StoredRecord::kTownKana);
  return record;
}

bool AddressBook::Load(const std::string& path, std::string& error) {
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot read " + path;
    return false;
  }
  // The old book goes before the file is read: its memory serves the new one.
  impl_.reset(new Impl);
  Impl& book = *impl_;
  std::string bytes;
  if (!ReadWholeFile(file.get(), bytes)) {
    error = "cannot read " + path;
    return false;
  }
  const bool utf8 = datafiles::LooksLikeUtf8Edition(bytes.substr(0, datafiles::kUtf8CheckBytes));
  if (utf8) {
    const datafiles::ImportResult result = datafiles::ConvertUtf8Edition(bytes, book.text, datafiles::BuildProgress());
    if (result.status != datafiles::ImportStatus::kDone) {
      error = path + ": not convertible from UTF-8 at line " + std::to_string(result.line);
      return false;
    }
  } else {
    book.text.swap(bytes);
  }
  ReadRecords(utf8 ? SplitTowns::kKeep : SplitTowns::kJoin, book);
  BuildIndex(book);
  return true;
}

void AddressBook::LoadFromMemory(const char* data, size_t size) {
  impl_.reset(new Impl);
  impl_->text.assign(data, size);
  ReadRecords(SplitTowns::kJoin, *impl_);
  BuildIndex(*impl_);
}

}  // namespace resolver
