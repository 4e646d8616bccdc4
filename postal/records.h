// Records of one line of Japan Post's address files, their line parsers,
// and the row tables that own the rows of the two result lists.
// All text is cp932, zero-terminated.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace postal {

// One line of the all-address file. Slot order is also the order of the list
// columns, the detail fields and the template letters "NKkSsMmCO".
struct AddressRecord {
  char newNumber[9];       // N  column 3
  char prefecture[9];      // K  column 7
  char prefectureKana[16]; // k  column 4
  char city[23];           // S  column 8
  char cityKana[50];       // s  column 5
  char town[78];           // M  column 9
  char townKana[100];      // m  column 6
  char cityCode[6];        // C  column 1
  char oldNumber[6];       // O  column 2, blanks removed by ParseAddressLine
};
static_assert(sizeof(AddressRecord) == 297, "address record layout");

// One line of the business-office file; letters "NGgKSMCO".
struct OfficeRecord {
  char number[9];      // N  column 8
  char name[200];      // G  column 3
  char nameKana[200];  // g  column 2, blanks kept
  char prefecture[9];  // K  column 4
  char city[23];       // S  column 5
  char town[100];      // M  column 6 followed directly by column 7
  char cityCode[7];    // C  column 1
  char oldNumber[6];   // O  column 9, trailing blanks kept
};
static_assert(sizeof(OfficeRecord) == 554, "office record layout");

constexpr int kAddressSlotCount = 9;
constexpr int kOfficeSlotCount = 8;

// Slot i (0-based, in slot order) of a record, with its width in bytes.
const char* AddressSlot(const AddressRecord& record, int slot);
char* AddressSlot(AddressRecord& record, int slot);
const char* OfficeSlot(const OfficeRecord& record, int slot);
char* OfficeSlot(OfficeRecord& record, int slot);
size_t AddressSlotWidth(int slot);
size_t OfficeSlotWidth(int slot);

// NumberKind values of the number search.
enum NumberKind { kOldNumber = 0, kNewNumber = 1, kCityCode = 2, kAreaCode = 3 };

// The parsers take one line as read (newline optional, zero-terminated) and
// fill only the slots they name. They return false, leaving those slots
// empty, when the line has fewer than nine commas: such a line (or the tail
// piece of an over-long line) is never a match. A column longer than its slot
// is cut at a character boundary.

// Removes every blank from `line` in place, then fills all nine slots.
bool ParseAddressLine(char* line, AddressRecord& record);
// Fills the one key slot of `kind` (old number with its blanks, new number,
// or city code); any other kind fills nothing and returns false.
bool ParseAddressKey(const char* line, AddressRecord& record, int kind);
// Fills city and town, kanji and kana, blanks kept.
bool ParseAddressNames(const char* line, AddressRecord& record);
// Fills all eight slots, blanks kept.
bool ParseOfficeLine(const char* line, OfficeRecord& record);

// The rows of one result list: row i is list item i. The table owns a copy
// of each record. Rows live in blocks of kChunkRows, so a large result costs
// a few hundred allocations rather than one per row; a row never moves, so
// At(i) stays valid until Clear.
template <class Record>
class RowTable {
 public:
  static constexpr int kMaxRows = 1000000;
  static constexpr int kChunkRows = 512;

  // Adds a copy of `record` as the next row; false (nothing added) when the
  // table is full.
  bool Add(const Record& record) {
    if (count_ >= kMaxRows) return false;
    const size_t offset = static_cast<size_t>(count_ % kChunkRows);
    if (offset == 0) {
      std::unique_ptr<Record[]> chunk(new Record[kChunkRows]);
      chunks_.push_back(std::move(chunk));
    }
    chunks_.back()[offset] = record;
    ++count_;
    return true;
  }
  int Count() const { return count_; }
  // Row `i`, or nullptr when `i` is not a row.
  const Record* At(int i) const {
    if (i < 0 || i >= count_) return nullptr;
    return &chunks_[static_cast<size_t>(i / kChunkRows)][static_cast<size_t>(i % kChunkRows)];
  }
  void Clear() {
    chunks_.clear();
    count_ = 0;
  }

 private:
  std::vector<std::unique_ptr<Record[]>> chunks_;
  int count_ = 0;
};

using AddressRows = RowTable<AddressRecord>;
using OfficeRows = RowTable<OfficeRecord>;

}  // namespace postal
