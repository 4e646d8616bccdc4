// What labels tells once the PDF is written, its refusals, and the counts
// of labels per 郵便区番号 for the 区分 discount's form.
#include <cstdio>
#include <map>

#include "datafiles/file_access.h"
#include "encoding/cp932_encode.h"
#include "lists/added_cells.h"
#include "query/labels.h"
#include "query/resolve.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";
// The counts file's header, UTF-8: 郵便区番号,通数.
const char kCountsHeader[] = "\xE9\x83\xB5\xE4\xBE\xBF\xE5\x8C\xBA\xE7\x95\xAA\xE5\x8F\xB7,\xE9\x80\x9A\xE6\x95\xB0";

// Each cause's words in the summary, NoBarcode as index.
const char* const kCauses[labels::kNoBarcodeCount] = {
    "", "not exact", "code disagrees with the address", "not asked (--no-barcode)", "label too narrow"};

std::string Lines(const std::vector<long>& lines) {
  std::string named;
  for (size_t i = 0; i < lines.size() && i < lists::kNamedLines; ++i) {
    named += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  }
  return named + (lines.size() > lists::kNamedLines ? ", ..." : "");
}

std::string Mm(double mm) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f mm", mm);
  return text;
}

}  // namespace

int LayoutRefusal(const LabelsRequest& request, const labels::Check& check) {
  const char* stock = request.stock.name.c_str();
  if (!check.tooLong.empty()) {
    std::fprintf(stderr, "%sthe texts of %s on %s do not fit even at %.0f pt wrapped once (%s %s); nothing written\n",
                 kLabel, Plural(check.tooLong.size(), "label").c_str(), stock, labels::kLeastPoints,
                 check.tooLong.size() == 1 ? "line" : "lines", Lines(check.tooLong).c_str());
    return kExitRefused;
  }
  if (check.senderTooLong) {
    std::fprintf(stderr, "%sthe sender does not fit on %s even at %.0f pt wrapped once; nothing written\n", kLabel, stock,
                 labels::kLeastPoints);
    return kExitRefused;
  }
  const size_t narrow = check.without[static_cast<int>(labels::NoBarcode::kTooNarrow)];
  if (request.layout.barcodes && narrow != 0) {
    std::fprintf(stderr,
                 "%s%s's labels (%s wide) are too narrow for the customer barcode, which needs %s at %.0f pt "
                 "with its 2 mm blanks; %s would go without it; nothing written (--no-barcode prints them without)\n",
                 kLabel, stock, Mm(request.stock.labelWidth).c_str(),
                 Mm(labels::BarcodeWidth(labels::kSmallestBarcodePoints)).c_str(),
                 labels::kSmallestBarcodePoints, Plural(narrow, "label").c_str());
    return kExitRefused;
  }
  return kExitOk;
}

void PrintLabelsSummary(const Context& context, const LabelsRequest& request, const lists::LabelList& list,
                        const labels::Check& check, const std::string& font) {
  char size[32] = "";
  if (check.barcodes != 0) std::snprintf(size, sizeof size, " at %.1f pt", check.barcodePoints);
  context.PrintError(kLabel + Plural(check.labels, "label") + " on " + Plural(check.pages, "page") + " of " +
                     request.stock.name + ", " + Plural(check.barcodes, "barcode") + " printed" + size + "; " +
                     request.pdfFile + " (font " + font + ")");
  std::string without;
  for (int cause = 1; cause < labels::kNoBarcodeCount; ++cause) {
    if (check.without[cause] == 0) continue;
    without += (without.empty() ? "" : ", ") + std::to_string(check.without[cause]) + " " + kCauses[cause];
  }
  if (!without.empty()) context.PrintError(kLabel + std::string("without a barcode: ") + without);
  if (!check.missingGlyphs.empty()) {
    context.PrintError(kLabel + Plural(check.missingGlyphs.size(), "label") + " with a character the font has not, " +
                       "printed as a box (" + (check.missingGlyphs.size() == 1 ? "line " : "lines ") +
                       Lines(check.missingGlyphs) + ")");
  }
  const lists::CsvCounts& counts = list.result.counts;
  std::string line = kLabel + std::string("addresses:");
  for (size_t i = 0; i < resolver::StatusCounts::kSize; ++i) {
    const resolver::Status status = resolver::StatusCounts::At(i);
    line += " " + std::string(resolver::StatusName(status)) + " " + std::to_string(counts.addresses.byStatus[status]);
  }
  context.PrintError(line + " " + resolver::kOfficeStatusName + " " + std::to_string(counts.addresses.offices));
  if (counts.notUtf8.count != 0) {
    context.PrintError(kLabel + Plural(counts.notUtf8.count, "row") + " not UTF-8, not printed" + NamedLines(counts.notUtf8));
  }
  if (counts.tooShort.count != 0) {
    context.PrintError(kLabel + Plural(counts.tooShort.count, "row") + " without the address column, not printed" +
                       NamedLines(counts.tooShort));
  }
}

bool WriteCounts(const std::string& path, const std::vector<labels::Label>& labels, lists::CsvEncoding encoding) {
  std::map<std::string, size_t> byDistrict;
  for (const labels::Label& label : labels) {
    if (label.code.size() == 8 && label.code[3] == '-') ++byDistrict[label.code.substr(0, 3)];
  }
  std::string header = kCountsHeader;  // in the list's encoding
  if (!lists::IsUtf8(encoding)) encoding::Utf8ToCp932(kCountsHeader, header);
  std::string text = header + "\r\n";
  for (const auto& district : byDistrict) text += district.first + "," + std::to_string(district.second) + "\r\n";
  datafiles::ReplacingFile file(path);
  return file.ok() && file.Write(text.data(), text.size()) && file.Commit();
}

}  // namespace query
