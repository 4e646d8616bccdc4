// A CSV file of addresses with each row's postal code and status added: the
// whole transformation, so that the tool and the window write the same bytes.
// The file is streamed in blocks of rows resolved on several threads, so a
// list of any size takes the same memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "lists/csv_encoding.h"
#include "lists/csv_input.h"
#include "lists/list_form.h"
#include "lists/utf16.h"
#include "resolver/code_index.h"
#include "resolver/resolver.h"
#include "resolver/status_counts.h"

namespace lists {

struct CsvColumns {
  size_t address = 1;  // 1-based
  size_t code = 0;     // 1-based; 0: no code column
  size_t name = 0;     // 1-based; 0: no name column (resolver/offices.h: FindOffice)
  bool header = false; // the first row names the columns
  bool split = false;  // add the address's seven parts (resolver/address_parts.h)
  bool barcode = false; // add the customer barcode's data (barcode/address_barcode.h)
  Separator separator = Separator::kFromFile;

  // The rightmost column asked for; the first row must reach it.
  size_t Rightmost() const { return std::max({address, code, name}); }
};

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

struct CsvCounts {
  size_t rows = 0;                          // rows resolved (the header row not counted)
  resolver::StatusCounts byStatus;        // rows answered by an office not counted
  size_t offices = 0;                     // rows answered by an office's own code (with a name column)
  resolver::AgreementCounts byAgreement;  // with a code column only
  CsvRowLines notUtf8;  // rows of a UTF-8 file that are not UTF-8: none, not resolved
  CsvRowLines withNul;  // rows holding a NUL byte, in any encoding: none, not resolved
  CsvRowLines tooShort; // rows that end before the address column: none
  CsvRowLines zeroAdded;  // six-digit codes read with their leading 0 (resolver/code_index.h)
  resolver::LookupCounts byCode;  // rows of codes looked up (csv_lookup.h)

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

// Writes the input to `sink` with ",CODE,STATUS" (and ",AGREEMENT" with a
// code column) added to each row just before its line end, with the file's
// separator (a tab where its first row is tab-separated, see
// DecideSeparator, or as `columns.separator` asks); everything else,
// the quoting, the line ends, a byte order mark, a last row without a line
// end, stays byte for byte. CODE is the resolution's postal code (exact, or
// city with the municipality's code), STATUS the status name (with a name
// column, an office's own code and "office" where the row's name and address
// find one), AGREEMENT the agreement word, in the file's encoding; the header row gets 郵便番号, 判定
// and 照合, each with （住所から） added where the header has that name
// already. With `columns.split` the address's seven parts (SplitPart, empty
// where it has none) follow STATUS, quoted where they hold a separator or
// a quote, named 都道府県 市区町村 町域 字 丁目 番地 建物 in the header. With
// `columns.barcode` a last cell holds the customer barcode's data of an exact
// or office answer (empty for any other), its header カスタマバーコード. A row
// that ends before the address column, or in a UTF-8 file a
// row that is not UTF-8, is status none and counted apart. A row with no
// bytes at all before its line end is kept as it is and not counted: blank
// lines are no rows of the table.
//
// The encoding is decided at the start of the file (see DecideEncoding) and
// held. A file that starts with UTF-16's byte order mark is read as UTF-8
// and written back in UTF-16 of its own byte order, each row as it was.
// Every refusal (kUnclosedQuote, kNotText, kUtf16WithoutBom, kCrOnly,
// kColumnPastWidth) comes
// before anything reaches the sink; after kCancelled, kCannotRead or
// kCannotWrite the sink holds a beginning of the output only. `threads`
// resolve the blocks, 0 for one a processor; the output is the same for any
// number.
CsvResult AnnotateCsv(const resolver::AddressBook& book, CsvInput& input, const CsvColumns& columns,
                      const CsvSink& sink, const CsvProgress& progress, unsigned threads = 0);

}  // namespace lists
