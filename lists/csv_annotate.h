// A CSV file of addresses with each row's postal code and status added: the
// whole transformation, so that the tool and the window write the same bytes.
// The file is streamed in blocks of rows resolved on several threads, so a
// list of any size takes the same memory.
#pragma once

#include <algorithm>
#include <cstddef>

#include "lists/csv_input.h"
#include "lists/list_form.h"
#include "lists/list_result.h"
#include "resolver/resolver.h"

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
// kColumnPastWidth), and kCannotStartThreads, comes before anything reaches
// the sink; after kCancelled, kCannotRead or
// kCannotWrite the sink holds a beginning of the output only. `threads`
// resolve the blocks, 0 for one a processor; the output is the same for any
// number.
CsvResult AnnotateCsv(const resolver::AddressBook& book, CsvInput& input, const CsvColumns& columns,
                      const CsvSink& sink, const CsvProgress& progress, unsigned threads = 0);

}  // namespace lists
