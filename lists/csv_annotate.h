// A CSV file of addresses with each row's postal code and status added: the
// whole transformation, so that the tool and the window write the same bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "resolver/resolver.h"

namespace lists {

enum class CsvEncoding {
  kUtf8WithBom,
  kUtf8,   // valid UTF-8 holding some non-ASCII byte
  kCp932,  // everything else, plain ASCII included
};

CsvEncoding DetectCsvEncoding(const char* data, size_t size);
size_t BomLength(CsvEncoding encoding);

// A cell as cp932 for the resolver. From UTF-8, a character cp932 cannot
// write (or a byte that is no UTF-8) becomes "?": the resolver ignores what
// follows the address, so one odd character costs at most that row.
std::string CellAsCp932(const std::string& cell, CsvEncoding encoding);

struct CsvColumns {
  size_t address = 1;  // 1-based
  size_t code = 0;     // 1-based; 0: no code column
  bool header = false; // the first row names the columns
};

struct CsvCounts {
  size_t rows = 0;             // rows resolved (the header row not counted)
  size_t byStatus[4] = {};     // indexed by Status
  size_t byAgreement[4] = {};  // indexed by Agreement; with a code column only
};

// Receives the output in order, in pieces.
using CsvSink = std::function<void(const char* data, size_t size)>;
// Told after each row how many input bytes are done of the whole; returning
// false cancels. May be empty.
using CsvProgress = std::function<bool(size_t done, size_t total)>;

enum class CsvOutcome { kDone, kCancelled, kUnclosedQuote };

struct CsvResult {
  CsvOutcome outcome = CsvOutcome::kDone;
  long line = 0;  // kUnclosedQuote: the 1-based line on which that row starts
  CsvEncoding encoding = CsvEncoding::kCp932;
  CsvCounts counts;
};

// Writes `data` to `sink` with ",CODE,STATUS" (and ",AGREEMENT" with a code
// column) added to each row just before its line end; everything else, the
// quoting, the line ends, a byte order mark, a last row without a line end,
// stays byte for byte. CODE is the resolution's postal code (exact, or city
// with the municipality's code), STATUS the status name, AGREEMENT the
// agreement word, in the file's encoding; a header row gets 郵便番号, 判定 and
// 照合. A row with fewer cells than the address column is status none: it
// holds no address. A row with no bytes at all before its line end is kept
// as it is and not counted: blank lines are no rows of the table.
// kUnclosedQuote is found before anything is written; after kCancelled the
// sink holds a beginning of the output only.
CsvResult AnnotateCsv(const resolver::AddressBook& book, const char* data, size_t size, const CsvColumns& columns,
                      const CsvSink& sink, const CsvProgress& progress);

}  // namespace lists
