// What any list work ends with: its outcome, the file's form as it was
// read, and the rows counted; and how its output and progress are told.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "lists/csv_encoding.h"
#include "lists/utf16.h"
#include "resolver/code_index.h"
#include "resolver/resolver.h"
#include "resolver/status_counts.h"

namespace lists {

// How many rows were set apart, and the lines of the first few.
constexpr size_t kNamedLines = 5;
struct CsvRowLines {
  size_t count = 0;
  long lines[kNamedLines] = {};  // the first min(count, kNamedLines), in order

  void Add(long line);
  void Add(const CsvRowLines& later);
  // "3, 8, 12": the lines held, for a summary to name.
  std::string Named() const;
};

// The counts of a list of addresses resolved (csv_annotate.h).
struct AddressCounts {
  resolver::StatusCounts byStatus;        // rows answered by an office not counted
  size_t offices = 0;                     // rows answered by an office's own code (with a name column)
  resolver::AgreementCounts byAgreement;  // with a code column only

  void Add(const AddressCounts& later);
};

// What every kind of list work counts, and each kind's own.
struct CsvCounts {
  size_t rows = 0;       // rows worked on (the header row not counted)
  CsvRowLines notUtf8;   // rows of a UTF-8 file that are not UTF-8: none, not worked on
  CsvRowLines withNul;   // rows holding a NUL byte, in any encoding: none, not worked on
  CsvRowLines tooShort;  // rows that end before the column read: none
  CsvRowLines zeroAdded;  // six-digit codes read with their leading 0 (resolver/code_index.h)
  AddressCounts addresses;      // a list of addresses resolved
  resolver::LookupCounts codes;  // a list of codes looked up (csv_lookup.h)

  void Add(const CsvCounts& later);
};

// Receives the output in order, in pieces; false stops the work (a write
// that failed).
using CsvSink = std::function<bool(const char* data, size_t size)>;
// Told how many input bytes are done of the whole, on the calling thread,
// after each block and at least every 50 ms while the work
// lasts; returning false cancels. May be empty.
using CsvProgress = std::function<bool(uint64_t done, uint64_t total)>;

enum class CsvOutcome {
  kDone,
  kCancelled,
  kUnclosedQuote,    // a quoted cell runs to the end of the file
  kNotText,          // the start of the file is neither UTF-8 nor Shift-JIS
  kUtf16WithoutBom,  // UTF-16 with no byte order mark to read it by
  kCrOnly,           // CR alone ends the lines
  kColumnPastWidth,  // a column asked for is past the first row's cells
  kCannotRead,
  kCannotWrite,      // the sink said so
  kCannotStartThreads,  // the system refused a worker thread
};

struct CsvResult {
  CsvOutcome outcome = CsvOutcome::kDone;
  // kUnclosedQuote: the line on which that row starts; kNotText: the first
  // line that is not Shift-JIS.
  long line = 0;
  size_t width = 0;  // the cells of the header, or of the first row without one
  CsvEncoding encoding = CsvEncoding::kCp932;  // a UTF-16 file's is kUtf8WithBom, as it is read
  Utf16Order utf16 = Utf16Order::kNone;        // the file's own, written back so
  char separator = ',';
  CsvCounts counts;
};

}  // namespace lists
