// resolve --csv FILE --column N [--header] [--code-column M] [--name-column K] [--separator S] [--output OUT]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "lists/list_words.h"
#include "query/csv_run.h"
#include "query/resolve.h"
#include "query/terminal.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

void PrintSummary(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request) {
  const lists::AddressCounts& addresses = counts.addresses;
  std::string line = kLabel + Plural(counts.rows, "row") + ":";
  for (size_t i = 0; i < resolver::StatusCounts::kSize; ++i) {
    const resolver::Status status = resolver::StatusCounts::At(i);
    line += " " + std::string(resolver::StatusName(status)) + " " + std::to_string(addresses.byStatus[status]);
  }
  if (request.nameColumn != 0) {
    line += " " + std::string(resolver::kOfficeStatusName) + " " + std::to_string(addresses.offices);
  }
  context.PrintError(line);
  if (request.codeColumn != 0) {
    line = std::string(kLabel) + "codes:";
    for (size_t i = 0; i < resolver::AgreementCounts::kSize; ++i) {
      const resolver::Agreement agreement = resolver::AgreementCounts::At(i);
      line += " " + std::string(resolver::AgreementText(agreement)) + " " + std::to_string(addresses.byAgreement[agreement]);
    }
    context.PrintError(line);
  }
  PrintRowsSetApart(context, counts, request, "not resolved");
}

}  // namespace

std::string Plural(size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string NamedLines(const lists::CsvRowLines& rows) {
  return (rows.count == 1 ? " (none): line " : " (none): lines ") + rows.Named() +
         (rows.count > lists::kNamedLines ? ", ..." : "");
}

std::string ZeroAddedLine(const lists::CsvRowLines& rows) {
  return kLabel + Plural(rows.count, "code") + " of six digits read with a 0 in front (" + lists::kZeroAdded +
         (rows.count == 1 ? "): line " : "): lines ") + rows.Named() + (rows.count > lists::kNamedLines ? ", ..." : "");
}

int RunResolveCsv(Context& context, const ResolveRequest& request) {
  lists::CsvColumns columns;
  columns.address = request.column;
  columns.code = request.codeColumn;
  columns.name = request.nameColumn;
  columns.header = request.header;
  columns.barcode = request.barcode;
  columns.split = request.split;
  columns.separator = request.separator;
  const auto annotate = [&columns, &request](const resolver::AddressBook& book, lists::CsvInput& input,
                                             const lists::CsvSink& sink, const lists::CsvProgress& progress) {
    return lists::AnnotateCsv(book, input, columns, sink, progress, request.threads);
  };
  return RunCsvSteps(context, request, annotate, PrintSummary);
}

}  // namespace query
