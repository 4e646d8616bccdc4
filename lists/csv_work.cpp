#include "lists/csv_work.h"

namespace lists {

void AnnotateBlock(const char* data, size_t size, long line, char separator, bool header,
                   const std::string& headerText, size_t width, RowCells& cells, std::string& out,
                   CsvCounts& counts) {
  CsvReader reader(data, size, 0, line, separator);
  CsvRow row;
  bool headerDue = header;
  CsvReader::Result read;
  while ((read = reader.Next(row)) == CsvReader::kRow) {
    out.append(data + row.begin, row.contentEnd - row.begin);
    if (row.contentEnd == row.begin) {
      // A blank line stays blank.
    } else if (headerDue) {
      out += headerText;
      headerDue = false;
    } else {
      if (row.cells.size() < width) out.append(width - row.cells.size(), separator);
      cells.Append(data, row, out, counts);
    }
    out.append(data + row.contentEnd, row.end - row.contentEnd);
  }
  // The survey cuts blocks where rows end, so no quote runs past one; should
  // it, the bytes still go out as they came rather than be lost.
  if (read == CsvReader::kUnclosedQuote) out.append(data + row.begin, size - row.begin);
}

}  // namespace lists
