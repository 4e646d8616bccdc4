// A column of addresses as a spreadsheet puts it on the clipboard: the
// window resolves each row and hands back a column of codes that lines up
// with it row for row. Text is cp932.
#pragma once

#include <string>
#include <vector>

namespace lists {

// The address of each row of `text`, in order. Rows end at CR LF, LF or CR,
// cells at tabs; a row's first cell is its address. A cell that starts with
// '"' and has its closing quote is quoted, "" standing for one quote: it may
// hold line ends (a spreadsheet copies a cell of several lines so), which
// become blanks while the row goes on. A line end at the very end closes the
// last row; it starts no empty one. An empty row gives "".
std::vector<std::string> ColumnAddresses(const std::string& text);

}  // namespace lists
