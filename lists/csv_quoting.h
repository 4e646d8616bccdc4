// Where the quoting stands in a row, byte by byte, as CsvReader reads it: a
// quote opens a quoted cell only as the cell's first byte, and a quote that
// is not doubled closes it, the rest of the cell read as it comes. The
// survey and the separator's choice both step through it.
#pragma once

namespace lists {

enum class Quoting { kCellStart, kPlain, kQuoted, kQuoteInQuoted };

// The state after byte `c`; `separates`: c is a separator of cells.
inline Quoting NextQuoting(Quoting quoting, char c, bool separates) {
  const bool endsCell = separates || c == '\n';
  switch (quoting) {
    case Quoting::kCellStart:
    case Quoting::kQuoteInQuoted:
      if (c == '"') return Quoting::kQuoted;
      return endsCell ? Quoting::kCellStart : Quoting::kPlain;
    case Quoting::kPlain:
      return endsCell ? Quoting::kCellStart : Quoting::kPlain;
    case Quoting::kQuoted:
      return c == '"' ? Quoting::kQuoteInQuoted : Quoting::kQuoted;
  }
  return quoting;
}

inline bool InsideQuotes(Quoting quoting) { return quoting == Quoting::kQuoted; }

}  // namespace lists
