// A CSV file of postal codes with each row's address added: 都道府県,
// 市区町村, 町域 and 判定 (resolver/code_index.h), so that the tool and the
// window write the same bytes. Streamed as AnnotateCsv streams a file of
// addresses: the same reader, blocks, threads, refusals and guarantees.
#pragma once

#include <cstddef>

#include "lists/csv_annotate.h"
#include "lists/list_form.h"
#include "resolver/code_index.h"

namespace lists {

struct LookupColumns {
  size_t code = 1;      // 1-based
  bool header = false;  // the first row names the columns
  Separator separator = Separator::kFromFile;
};

// Each row with its code column's prefecture, municipality, town and status
// name added before its line end, in the file's encoding and with its
// separator (CodeIndex::Cells; a cell holding the separator or a quote is
// quoted). The header row gets 都道府県, 市区町村, 町域 and 判定, each with
// （郵便番号から） added where the header has that name already. A row that
// ends before the code column, or in a UTF-8 file a row that is not UTF-8,
// is none, its cells empty, and counted apart; counts.codes counts the
// statuses.
CsvResult LookupCsv(const resolver::CodeIndex& index, CsvInput& input, const LookupColumns& columns,
                    const CsvSink& sink, const CsvProgress& progress, unsigned threads = 0);

}  // namespace lists
