// What every kind of list work shares: the file checked, cut into blocks of
// rows that threads annotate, and written in order, each row kept byte for
// byte with cells added before its line end. The work says which cells.
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lists/csv_input.h"
#include "lists/list_form.h"
#include "lists/list_result.h"
#include "lists/csv_reader.h"

namespace lists {

// The cells added to one row that is neither blank nor the header, each
// with its separator in front. One per thread, which keeps its buffers.
class RowCells {
 public:
  virtual ~RowCells() = default;
  virtual void Append(const char* data, const CsvRow& row, std::string& out, CsvCounts& counts) = 0;
};

// A work made ready for one file: the cells added to its header row, and
// the maker of each thread's row cells (called on that thread; whatever
// they share they hold through it).
struct PreparedWork {
  std::string header;
  std::function<std::unique_ptr<RowCells>()> makeCells;
};

class ListWork {
 public:
  virtual ~ListWork() = default;
  // Once the file is known, before any row. `headerCells`: the file's own
  // names (none without a header).
  virtual PreparedWork Prepare(CsvEncoding encoding, char separator,
                               const std::vector<std::string>& headerCells) const = 0;
};

// How the file is read: the rightmost column the work reads (the first row
// must reach it), whether row 1 names the columns, and the separator.
struct ListShape {
  size_t rightmost = 1;
  bool header = false;
  Separator separator = Separator::kFromFile;
};

// The stream behind AnnotateCsv, with the same outcomes and guarantees.
CsvResult StreamCsv(CsvInput& input, const ListShape& shape, const ListWork& work, const CsvSink& sink,
                    const CsvProgress& progress, unsigned threads);

// A block of whole rows, the first on `line`, to `out` with `cells` added
// to each; with `header`, its first row that is not blank gets
// `headerText` instead. A row of fewer than `width` cells gets empty ones
// up to it first, so that every added cell stands under its own header.
// Blank lines stay blank.
void AnnotateBlock(const char* data, size_t size, long line, char separator, bool header,
                   const std::string& headerText, size_t width, RowCells& cells, std::string& out,
                   CsvCounts& counts);

// A row holding a NUL byte is no text, whatever the file's encoding.
inline bool HoldsNul(const char* data, const CsvRow& row) {
  return std::memchr(data + row.begin, '\0', row.contentEnd - row.begin) != nullptr;
}

}  // namespace lists
