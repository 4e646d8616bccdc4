// resolve [--code-first | --names] [ADDRESS...] | resolve --csv FILE --column N ...
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "lists/answer_cells.h"
#include "lists/csv_annotate.h"
#include "lists/csv_encoding.h"
#include "lists/text_lines.h"
#include "query/csv_run.h"
#include "query/json_rows.h"
#include "query/resolve.h"
#include "query/standard_input.h"
#include "query/terminal.h"
#include "resolver/book_files.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

// The options after "resolve"; what is left are addresses. False on bad usage.
bool ReadRequest(const CommandArgs& args, ResolveRequest& request) {
  size_t i = 0;
  for (; i < args.size() && args[i].compare(0, 2, "--") == 0; ++i) {
    const CsvFlag csv = ReadCsvFlag(args, i, request);
    if (csv == CsvFlag::kBad) return false;
    if (csv == CsvFlag::kRead) continue;
    const std::string& flag = args[i];
    const bool hasValue = i + 1 < args.size();
    if (flag == "--code-first") {
      request.codeFirst = true;
    } else if (flag == "--names") {
      request.names = true;
    } else if (flag == "--barcode") {
      request.barcode = true;
    } else if (flag == "--split") {
      request.split = true;
    } else if (flag == "--code-column" && hasValue) {
      if (!ReadColumn(args[++i], request.codeColumn)) return false;
    } else if (flag == "--name-column" && hasValue) {
      if (!ReadColumn(args[++i], request.nameColumn)) return false;
    } else {
      return false;
    }
  }
  request.addresses.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  if (request.csvFile.empty()) {
    return request.column == 0 && request.codeColumn == 0 && request.nameColumn == 0 && !request.header &&
           request.output.empty() && request.separator == lists::Separator::kFromFile &&
           !(request.codeFirst && request.names);
  }
  return request.column != 0 && request.addresses.empty() && !request.codeFirst && !request.names;
}

// Resolves and prints one input after another.
class LineResolver {
 public:
  LineResolver(const Context& context, const resolver::AddressBook& book, const ResolveRequest& request)
      : context_(context),
        book_(book),
        resolver_(book),
        codeFirst_(request.codeFirst),
        names_(request.names),
        barcode_(request.barcode),
        split_(request.split),
        cells_(book) {}

  // `raw` in the encoding `utf8` names, without its line end; input line
  // `lineNumber`. A line that is no text gets the answer of no address.
  void Line(const std::string& raw, bool utf8, long lineNumber) {
    if (!lists::IsTextLine(raw, utf8)) {
      NotText(raw, utf8, lineNumber);
      return;
    }
    const lists::CsvEncoding encoding = utf8 ? lists::CsvEncoding::kUtf8 : lists::CsvEncoding::kCp932;
    std::string address = raw;
    ResolvedLine line;
    // No tab: the whole line is the address, with no code or name beside it.
    const size_t tab = codeFirst_ || names_ ? raw.find('\t') : std::string::npos;
    const std::string first =
        tab == std::string::npos ? std::string() : lists::CellAsCp932(raw.substr(0, tab), encoding);
    if (tab != std::string::npos) address = raw.substr(tab + 1);
    if (codeFirst_) {
      given_ = first;
      line.given = &given_;
    }
    const std::string cp932 = lists::CellAsCp932(address, encoding);
    resolver_.Resolve(cp932, resolution_);
    if (codeFirst_) {
      line.agreement = resolver::CheckCode(book_, resolution_, given_);
      if (line.agreement == resolver::Agreement::kOffice) {
        line.givenOffice = resolver::OfficeWithCode(book_, resolution_, given_);
      }
    }
    if (names_ && !first.empty()) line.office = resolver::FindOffice(book_, resolution_, first);
    lists::CellsAsked asked;
    asked.parts = split_ || context_.options().json;
    asked.barcode = barcode_;
    cells_.Make(resolution_, line.office, cp932, asked, answer_);
    line.barcodeAsked = barcode_;
    if (answer_.hasBarcode) line.barcode = &answer_.barcode;
    if (answer_.hasParts) line.parts = &answer_.parts;
    line.inputUtf8 = utf8 && lists::IsUtf8Text(address.data(), address.size()) ? address : ToUtf8Text(cp932);
    line.split = split_;
    Print(line);
  }

  // On stderr, when lines were set apart: how many, and the first ones.
  void PrintSetApart() const {
    if (notText_.count == 0) return;
    context_.PrintError(kLabel + Plural(notText_.count, "line") + " not text, not resolved" + NamedLines(notText_));
  }

 private:
  void NotText(const std::string& raw, bool utf8, long lineNumber) {
    notText_.Add(lineNumber);
    resolution_ = resolver::Resolution();
    lists::AnswerCellMaker::MakeNone(answer_);
    ResolvedLine line;
    given_.clear();
    if (codeFirst_) line.given = &given_;
    line.barcodeAsked = barcode_;
    line.split = split_;
    line.inputUtf8 = ToUtf8Text(utf8 ? lists::CellAsCp932(raw, lists::CsvEncoding::kUtf8) : raw);
    Print(line);
  }

  void Print(ResolvedLine& line) {
    line.cells = &answer_;
    if (context_.options().json) {
      const std::string json = ResolutionJson(book_, resolution_, line) + "\n";
      std::fwrite(json.data(), 1, json.size(), stdout);
    } else {
      context_.PrintLine(ResolutionText(book_, resolution_, line));
    }
  }

  const Context& context_;
  const resolver::AddressBook& book_;
  resolver::Resolver resolver_;
  const bool codeFirst_;
  const bool names_;
  const bool barcode_;
  const bool split_;
  lists::AnswerCellMaker cells_;
  std::string given_;
  resolver::Resolution resolution_;
  lists::AnswerCells answer_;
  lists::CsvRowLines notText_;
};

}  // namespace

int LoadBook(Context& context, resolver::AddressBook& book) {
  const int required = context.RequireAddressFile();
  if (required != kExitOk) return required;
  std::string error;
  if (resolver::LoadBookWithOffices(context.files().addressFile, context.files().officeFile, book, error)) {
    return kExitOk;
  }
  std::fprintf(stderr, "kuranto-query: %s: %s\n", context.files().addressFile.c_str(), error.c_str());
  return kExitNoData;
}

int RunResolve(Context& context, const CommandArgs& args) {
  ResolveRequest request;
  if (!ReadRequest(args, request)) return kExitUsage;
  if (!request.csvFile.empty()) return RunResolveCsv(context, request);
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  LineResolver lines(context, book, request);
  return AnswerEachLine(context, request.addresses, lines);
}

}  // namespace query
