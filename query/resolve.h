// resolve: addresses to postal codes, from arguments, standard input or a
// CSV file; shared between the command's files.
#pragma once

#include <cstddef>
#include <string>

#include "barcode/customer_barcode.h"
#include "lists/answer_cells.h"
#include "lists/csv_annotate.h"
#include "lists/list_form.h"
#include "query/context.h"
#include "resolver/address_parts.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"

namespace query {

struct ResolveRequest {
  bool codeFirst = false;  // each input is CODE<TAB>ADDRESS
  bool names = false;      // each input is NAME<TAB>ADDRESS
  std::string csvFile;     // CSV mode when not empty
  std::string output;      // CSV mode: "" for standard output
  size_t column = 0;       // 1-based
  size_t codeColumn = 0;   // 1-based; 0: none
  size_t nameColumn = 0;   // 1-based; 0: none
  bool header = false;
  bool barcode = false;    // the customer barcode of each exact or office answer
  bool split = false;      // --split: the address's seven parts added
  lists::Separator separator = lists::Separator::kFromFile;
  unsigned threads = 0;    // CSV mode: 0 for one a processor
  CommandArgs addresses;
};

// Loads DIR's address file, and its business-office file where there is
// one; kExitOk, or kExitNoData with the message printed.
int LoadBook(Context& context, resolver::AddressBook& book);

// "3 rows", "1 row": a count with its noun.
std::string Plural(size_t count, const char* noun);
// " (none): lines 3, 8, ..." for the lines a summary names as set apart.
std::string NamedLines(const lists::CsvRowLines& rows);
// "2 codes of six digits read with a 0 in front (先頭の 0 を補った): lines
// 3, 8" for the rows or lines where a spreadsheet had dropped it (cp932).
std::string ZeroAddedLine(const lists::CsvRowLines& rows);

// The CSV mode: refuses OUT == FILE before loading anything.
int RunResolveCsv(Context& context, const ResolveRequest& request);

// One resolution as the tool prints it: a text line (tab-separated) or a
// JSON object (UTF-8). `given` is the code read with --code-first.
struct ResolvedLine {
  std::string inputUtf8;  // the input as typed, for JSON
  const std::string* given = nullptr;
  resolver::Agreement agreement = resolver::Agreement::kUndecidable;
  // The office the answer is (found by name), and the office whose code was
  // given (事業所); resolver::kNoOffice when none.
  size_t office = resolver::kNoOffice;
  size_t givenOffice = resolver::kNoOffice;
  // With --barcode: the answer's barcode, nullptr for an answer that has none.
  bool barcodeAsked = false;
  const barcode::CustomerBarcode* barcode = nullptr;
  // The address's parts, nullptr where it has none; `split` adds them to
  // the text line (JSON always gives them).
  const resolver::AddressParts* parts = nullptr;
  bool split = false;
  const lists::AnswerCells* cells = nullptr;  // the code and status written
};
// An office's address as one text: prefecture, city, town and lot (cp932).
std::string OfficeAddress(const resolver::Office& office);
// {"postal_code", "name", "address"} of office `index`, as Jigyosyo.csv writes them.
std::string OfficeJson(const resolver::AddressBook& book, size_t index);

// The text line in UTF-8 (`utf8`) or cp932: the parts copied from the
// address as it writes them, a tab in one written as a blank.
std::string ResolutionText(const resolver::AddressBook& book, const resolver::Resolution& r, const ResolvedLine& line,
                           bool utf8);
std::string ResolutionJson(const resolver::AddressBook& book, const resolver::Resolution& r, const ResolvedLine& line);

}  // namespace query
