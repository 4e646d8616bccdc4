// What every list work shares when it adds cells to a row: fixed texts in
// the file's encoding, header names told apart from the file's own, and a
// cell quoted as the file must hold it.
#pragma once

#include <string>
#include <vector>

#include "lists/csv_encoding.h"

namespace lists {

// A fixed cp932 text in the file's encoding.
std::string InFileEncoding(const std::string& cp932, CsvEncoding encoding);

// `name`, or `name` + `mark` + "）", then with 2, 3... (（住所から2）) while
// the header has it already; in the file's encoding.
std::string OwnName(const char* name, const char* mark, CsvEncoding encoding,
                    const std::vector<std::string>& headerCells);

// Appends `cell` (in the file's encoding), quoted where it holds the
// separator, a quote or a line end.
void AppendCell(const std::string& cell, char separator, std::string& out);

}  // namespace lists
