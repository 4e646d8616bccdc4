// labels --csv FILE --column N [--name-column K] [--company-column C]
//   [--department-column D] [--code-column M] [--building-column B] [--header]
//   [--separator tab|comma] --stock NAME [--order list|code] [--start N]
//   [--offset X,Y] [--honorific auto|様|御中|none] [--frames] [--no-barcode]
//   [--from-code CODE --from-address ADDRESS --from-name NAME]
//   [--counts FILE] [--alignment] --pdf OUT.pdf
#include <cstdio>
#include <cstdlib>

#include "datafiles/file_access.h"
#include "encoding/cp932_encode.h"
#include "lists/csv_input.h"
#include "query/csv_run.h"
#include "query/labels.h"
#include "query/labels_pdf.h"
#include "query/resolve.h"
#include "query/standard_input.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

// "2.5,-1": the printer's offset in mm.
bool ReadOffset(const std::string& text, double& x, double& y) {
  char* end = nullptr;
  x = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != ',') return false;
  const char* second = end + 1;
  y = std::strtod(second, &end);
  return end != second && *end == '\0' && x > -50 && x < 50 && y > -50 && y < 50;
}

bool ReadHonorific(const Context& context, const std::string& raw, labels::HonorificRule& rule) {
  std::string cp932, utf8;
  if (!context.Argument(raw, cp932) || !encoding::AppendUtf8OfCp932(cp932, utf8)) return false;
  if (utf8 == "auto") rule = labels::HonorificRule::kAuto;
  else if (utf8 == labels::kSama) rule = labels::HonorificRule::kSama;
  else if (utf8 == labels::kOnchu) rule = labels::HonorificRule::kOnchu;
  else if (utf8 == "none") rule = labels::HonorificRule::kNone;
  else return false;
  return true;
}

// A stock by name, or the names told when there is none such.
bool FindStock(const std::string& name, labels::Stock& stock) {
  if (labels::FindStock(name, stock)) return true;
  std::fprintf(stderr, "%sno stock %s (labels past the paper or overlapping?); stocks: %s\n", kLabel, name.c_str(),
               labels::StockNames().c_str());
  return false;
}

// An argument as UTF-8 for a label's text.
bool ReadText(const Context& context, const std::string& raw, std::string& utf8) {
  std::string cp932;
  utf8.clear();
  return context.Argument(raw, cp932) && encoding::AppendUtf8OfCp932(cp932, utf8);
}

bool ReadColumnFlag(const std::string& flag, const std::string& value, lists::LabelColumns& columns, bool& known) {
  struct Flag {
    const char* name;
    size_t lists::LabelColumns::*column;
  };
  static const Flag kColumnFlags[] = {
      {"--column", &lists::LabelColumns::address},       {"--name-column", &lists::LabelColumns::name},
      {"--company-column", &lists::LabelColumns::company}, {"--department-column", &lists::LabelColumns::department},
      {"--code-column", &lists::LabelColumns::code},     {"--building-column", &lists::LabelColumns::building},
  };
  for (const Flag& f : kColumnFlags) {
    if (flag != f.name) continue;
    known = true;
    return ReadColumn(value, columns.*(f.column));
  }
  known = false;
  return true;
}

// The flags with a value; false for a bad value or an unknown flag.
bool ReadValueFlag(const Context& context, const std::string& flag, const std::string& value, LabelsRequest& r) {
  bool column = false;
  if (!ReadColumnFlag(flag, value, r.columns, column)) return false;
  if (column) return true;
  if (flag == "--csv") r.csvFile = value;
  else if (flag == "--pdf") r.pdfFile = value;
  else if (flag == "--counts") r.countsFile = value;
  else if (flag == "--stock") return FindStock(value, r.stock);
  else if (flag == "--order" && (value == "list" || value == "code"))
    r.layout.order = value == "code" ? labels::Order::kCode : labels::Order::kList;
  else if (flag == "--start") return ReadColumn(value, r.layout.start);
  else if (flag == "--offset") return ReadOffset(value, r.layout.offsetX, r.layout.offsetY);
  else if (flag == "--honorific") return ReadHonorific(context, value, r.columns.honorific);
  else if (flag == "--separator" && (value == "tab" || value == "comma"))
    r.columns.separator = value == "tab" ? lists::Separator::kTab : lists::Separator::kComma;
  else if (flag == "--from-code") return ReadText(context, value, r.layout.sender.code);
  else if (flag == "--from-address") return ReadText(context, value, r.layout.sender.address);
  else if (flag == "--from-name") return ReadText(context, value, r.layout.sender.name);
  else return false;
  return true;
}

}  // namespace

bool ReadLabelsRequest(const Context& context, const CommandArgs& args, LabelsRequest& request) {
  request.columns.address = 0;
  bool stock = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--header") request.columns.header = true;
    else if (flag == "--frames") request.layout.frames = true;
    else if (flag == "--no-barcode") request.layout.barcodes = false;
    else if (flag == "--alignment") request.alignment = true;
    else if (i + 1 < args.size() && ReadValueFlag(context, flag, args[i + 1], request)) ++i;
    else return false;
    stock = stock || flag == "--stock";
  }
  const bool list = !request.csvFile.empty() && request.columns.address != 0;
  const bool start = request.layout.start >= 1 && request.layout.start <= request.stock.PerPage();
  return stock && !request.pdfFile.empty() && (list || request.alignment) && start;
}

namespace {

int WritePdf(PdfLabels& pdf, const labels::Layout& layout, const LabelsRequest& request) {
  if (pdf.Write(layout, request.alignment, request.pdfFile)) return kExitOk;
  std::fprintf(stderr, "%scannot write %s\n", kLabel, request.pdfFile.c_str());
  return kExitNoData;
}

// The list's refusals as resolve --csv tells them; the columns past the
// first row named by the labels' own flags.
int ListRefusal(const LabelsRequest& request, const lists::CsvResult& result) {
  if (result.outcome != lists::CsvOutcome::kColumnPastWidth) {
    ResolveRequest named;
    named.csvFile = request.csvFile;
    return Refusal(named, result);
  }
  std::fprintf(stderr, "%s%s: a column asked for is past the %s's %zu columns; nothing written\n", kLabel,
               request.csvFile.c_str(), request.columns.header ? "header" : "first row", result.width);
  return kExitRefused;
}

}  // namespace

int RunLabels(Context& context, const CommandArgs& args) {
  LabelsRequest request;
  if (!ReadLabelsRequest(context, args, request)) {
    return UsageError("labels takes --stock STOCK --pdf OUT and --csv FILE --column N (or --alignment), each with its value");
  }
  // 1. The PDF's font, before anything is read: the tool may have none.
  std::string error;
  const std::unique_ptr<PdfLabels> pdf = PdfLabels::Open(error);
  if (pdf == nullptr) {
    std::fprintf(stderr, "%slabels: %s\n", kLabel, error.c_str());
    return kExitRefused;
  }
  labels::Layout layout(request.stock, request.layout, pdf->metrics());
  if (request.alignment) return WritePdf(*pdf, layout, request);
  // 2. The list read through the resolver, as resolve --csv reads it.
  lists::FileInput input(request.csvFile);
  if (SameFile(request.csvFile, request.pdfFile)) {
    return UsageError("--pdf " + request.pdfFile + " is the input file itself");
  }
  if (!input.ok()) {
    std::fprintf(stderr, "%scannot read %s\n", kLabel, request.csvFile.c_str());
    return kExitNoData;
  }
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  ProgressLine progress;
  lists::LabelList list = lists::ReadLabelList(book, input, request.columns, std::ref(progress));
  progress.Finish();
  if (list.result.outcome != lists::CsvOutcome::kDone) return ListRefusal(request, list.result);
  if (list.labels.empty()) {
    std::fprintf(stderr, "%s%s holds no address to print; nothing written\n", kLabel, request.csvFile.c_str());
    return kExitRefused;
  }
  // 3. Fitted, and refused before anything is written when a label would lose something.
  const labels::Check check = layout.Fit(std::move(list.labels));
  const int refused = LayoutRefusal(request, check);
  if (refused != kExitOk) return refused;
  // 4. The PDF, the counts, then what was printed.
  const int written = WritePdf(*pdf, layout, request);
  if (written != kExitOk) return written;
  if (!request.countsFile.empty() && !WriteCounts(request.countsFile, layout.labels(), list.result.encoding)) {
    std::fprintf(stderr, "%scannot write %s\n", kLabel, request.countsFile.c_str());
    return kExitNoData;
  }
  PrintLabelsSummary(context, request, list, check, pdf->fontFile());
  return kExitOk;
}

}  // namespace query
