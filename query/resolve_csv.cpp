// resolve --csv FILE --column N [--header] [--code-column M] [--name-column K] [--separator S] [--output OUT]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "query/csv_run.h"
#include "query/resolve.h"
#include "query/terminal.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

void PrintSummary(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request) {
  std::string line = kLabel + Plural(counts.rows, "row") + ":";
  for (size_t i = 0; i < resolver::StatusCounts::kSize; ++i) {
    const resolver::Status status = resolver::StatusCounts::At(i);
    line += " " + std::string(resolver::StatusName(status)) + " " + std::to_string(counts.byStatus[status]);
  }
  if (request.nameColumn != 0) {
    line += " " + std::string(resolver::kOfficeStatusName) + " " + std::to_string(counts.offices);
  }
  context.PrintError(line);
  if (request.codeColumn != 0) {
    line = std::string(kLabel) + "codes:";
    for (size_t i = 0; i < resolver::AgreementCounts::kSize; ++i) {
      const resolver::Agreement agreement = resolver::AgreementCounts::At(i);
      line += " " + std::string(resolver::AgreementText(agreement)) + " " + std::to_string(counts.byAgreement[agreement]);
    }
    context.PrintError(line);
  }
  if (counts.notUtf8.count != 0) {
    context.PrintError(kLabel + Plural(counts.notUtf8.count, "row") + " not UTF-8, not resolved" +
                       NamedLines(counts.notUtf8));
  }
  if (counts.tooShort.count != 0) {
    context.PrintError(kLabel + Plural(counts.tooShort.count, "row") + " without column " +
                       std::to_string(request.column) + NamedLines(counts.tooShort));
  }
}

}  // namespace

std::string Plural(size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string NamedLines(const lists::CsvRowLines& rows) {
  return (rows.count == 1 ? " (none): line " : " (none): lines ") + rows.Named() +
         (rows.count > lists::kNamedLines ? ", ..." : "");
}

int RunResolveCsv(Context& context, const ResolveRequest& request) {
  lists::FileInput input(request.csvFile);
  const int checked = CheckCsvFiles(request, input);
  if (checked != kExitOk) return checked;
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;

  // 1. Stream into OUT's temporary file, or standard output.
  CsvOutput out(request.output);
  if (!out.ok()) return CannotWrite(request);
  lists::CsvColumns columns;
  columns.address = request.column;
  columns.code = request.codeColumn;
  columns.name = request.nameColumn;
  columns.header = request.header;
  columns.barcode = request.barcode;
  columns.split = request.split;
  columns.separator = request.separator;
  ProgressLine progress;
  const lists::CsvResult result = lists::AnnotateCsv(book, input, columns, out.Sink(), std::ref(progress));
  progress.Finish();
  const int refused = Refusal(request, result);
  if (refused != kExitOk) return refused;  // OUT's temporary file goes with `out`
  // 2. OUT takes its name only when the whole file is done.
  if (!out.Commit()) return CannotWrite(request);
  // 3. Tell what was found.
  PrintSummary(context, result.counts, request);
  return kExitOk;
}

}  // namespace query
