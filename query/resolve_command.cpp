// resolve [--code-first | --names] [ADDRESS...] | resolve --csv FILE --column N ...
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

// The options after "resolve"; what is left are addresses. "" when they
// make a request, else what is wrong with them.
std::string ReadRequest(const CommandArgs& args, ResolveRequest& request) {
  size_t i = 0;
  std::string wrong;
  for (; i < args.size() && args[i].compare(0, 2, "--") == 0; ++i) {
    const CsvFlag csv = ReadCsvFlag(args, i, request, wrong);
    if (csv == CsvFlag::kBad) return wrong;
    if (csv == CsvFlag::kRead) continue;
    const std::string& flag = args[i];
    if (flag == "--code-first") {
      request.codeFirst = true;
    } else if (flag == "--names") {
      request.names = true;
    } else if (flag == "--barcode") {
      request.barcode = true;
    } else if (flag == "--split") {
      request.split = true;
    } else if (flag == "--code-column" || flag == "--name-column") {
      if (ReadColumnFlag(args, i, flag == "--code-column" ? request.codeColumn : request.nameColumn, wrong) ==
          CsvFlag::kBad) {
        return wrong;
      }
    } else {
      return "resolve has no option " + flag;
    }
  }
  request.addresses.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  if (request.codeFirst && request.names) return "--code-first and --names cannot be given together";
  if (request.csvFile.empty()) return CsvFlagsWithoutFile(request);
  if (request.column == 0) return "resolve --csv needs --column N, the address column";
  if (!request.addresses.empty()) return "resolve --csv takes no ADDRESS";
  if (request.codeFirst || request.names) return "with --csv, give --code-column or --name-column";
  return "";
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
    if (utf8) {
      lists::CellAsCp932(address, cp932_, &offsets_);
    } else {
      cp932_ = address;
    }
    const std::string& cp932 = cp932_;
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
    if (utf8) {
      cells_.Make(resolution_, line.office, resolver::WrittenAddress{cp932_, address, offsets_}, asked, answer_);
    } else {
      cells_.Make(resolution_, line.office, cp932, asked, answer_);
    }
    line.barcodeAsked = barcode_;
    if (answer_.hasBarcode) line.barcode = &answer_.barcode;
    if (answer_.hasParts) line.parts = &answer_.parts;
    line.inputUtf8 = utf8 ? address : ToUtf8Text(cp932);
    line.split = split_;
    Print(line);
  }

  // On stderr, when lines were set apart: how many, and the first ones.
  void PrintSetApart() const {
    if (notText_.count == 0) return;
    context_.PrintError(kLabel + Plural(notText_.count, "line") + " not text, not resolved" + NamedLines(notText_) +
                        Utf8Hint(utf8Like_));
  }

 private:
  void NotText(const std::string& raw, bool utf8, long lineNumber) {
    notText_.Add(lineNumber);
    utf8Like_ = utf8Like_ || ReadsAsUtf8(raw, utf8);
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
      context_.PrintText(ResolutionText(book_, resolution_, line, context_.options().utf8));
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
  std::string cp932_;
  std::vector<uint32_t> offsets_;
  resolver::Resolution resolution_;
  lists::AnswerCells answer_;
  lists::CsvRowLines notText_;
  bool utf8Like_ = false;  // a line set apart reads as UTF-8
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
  const std::string wrong = ReadRequest(args, request);
  if (!wrong.empty()) return UsageError(wrong);
  if (!request.csvFile.empty()) return RunResolveCsv(context, request);
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  LineResolver lines(context, book, request);
  return AnswerEachLine(context, request.addresses, lines);
}

}  // namespace query
