// barcode [--svg FILE] CODE [ADDRESS]: Japan Post's customer barcode of an
// address (or of the code alone), from standard input's CODE<TAB>ADDRESS
// lines without CODE.
#include <cstdio>

#include "barcode/address_barcode.h"
#include "barcode/bar_layout.h"
#include "lists/csv_encoding.h"
#include "lists/text_lines.h"
#include "query/json_rows.h"
#include "query/resolve.h"
#include "query/standard_input.h"
#include "query/terminal.h"
#include "resolver/code_index.h"
#include "resolver/words.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

struct BarcodeRequest {
  std::string svgFile;  // "" for none
  std::string code, address;  // as typed
  bool fromInput = true;
  bool hasAddress = false;
};

// "" when the arguments make a request, else what is wrong with them.
std::string ReadRequest(const CommandArgs& args, BarcodeRequest& request) {
  size_t i = 0;
  if (i < args.size() && args[i] == "--svg") {
    if (i + 1 == args.size()) return "barcode --svg needs a FILE";
    request.svgFile = args[i + 1];
    i += 2;
  }
  if (i < args.size() && args[i].compare(0, 2, "--") == 0) return "barcode has no option " + args[i];
  const size_t left = args.size() - i;
  if (left == 0) return request.svgFile.empty() ? "" : "barcode --svg writes one barcode: give CODE [ADDRESS]";
  if (left > 2) return "barcode takes CODE and one ADDRESS (quote an address that holds blanks)";
  request.code = args[i];
  request.hasAddress = left == 2;
  if (request.hasAddress) request.address = args[i + 1];
  request.fromInput = false;
  return "";
}

// What one barcode asked for comes to: the code, the address as cp932 and
// as typed, and why it has no barcode ("" when it has one).
struct Asked {
  std::string code, address, addressTyped;
  bool hasAddress = false;
  std::string refusal;
};

class BarcodeWriter {
 public:
  BarcodeWriter(const Context& context, const resolver::AddressBook& book)
      : context_(context), book_(book), codes_(book), resolver_(book) {}

  // `raw` texts in the encoding `utf8` names. A character cp932 cannot
  // write is no number nor Latin letter: it only keeps the numbers apart.
  Asked Read(const std::string& typedCode, const std::string* address, bool utf8) const {
    const lists::CsvEncoding encoding = utf8 ? lists::CsvEncoding::kUtf8 : lists::CsvEncoding::kCp932;
    Asked asked;
    asked.hasAddress = address != nullptr;
    if (asked.hasAddress) {
      asked.addressTyped = *address;
      asked.address = lists::CellAsCp932(*address, encoding);
      if (!lists::IsTextLine(*address, utf8)) asked.refusal = NotText(*address, utf8);
    }
    const std::string code = lists::CellAsCp932(typedCode, encoding);
    asked.code = barcode::BarcodeCode(code);
    if (asked.code.empty()) {
      asked.refusal = "\"" + code + "\" is no 7-digit postal code";
    } else if (asked.refusal.empty()) {
      asked.refusal = CodeRefusal(asked.code);
    }
    return asked;
  }

  // One barcode printed, or its refusal on stderr (`line` 0: the command
  // line) and, from standard input, an empty answer in its place.
  bool Write(const Asked& asked, long line, const std::string& svgFile) {
    if (!asked.refusal.empty()) {
      context_.PrintError(kLabel + Where(line) + asked.refusal);
      if (line > 0) PrintNone(asked);
      return false;
    }
    const Fit fit = Make(asked, line);
    Print(asked, fit);
    return svgFile.empty() || WriteSvg(svgFile);
  }

 private:
  // How the code fits the address: whether it is the address's, and the
  // resolver's own code where it is not.
  struct Fit {
    bool checked = false;  // an address was given
    bool agrees = true;
    std::string ownCode;
  };

  static std::string Where(long line) { return line > 0 ? "line " + std::to_string(line) + ": " : ""; }

  static std::string NotText(const std::string& raw, bool utf8) {
    return ReadsAsUtf8(raw, utf8) ? "the address is not Shift-JIS text; it reads as UTF-8: give --utf8"
                                  : "the address is not text";
  }

  // A code in neither file, or a municipality's own code: no barcode.
  std::string CodeRefusal(const std::string& code) const {
    const resolver::CodeMatch match = codes_.Find(code);
    if (match.status == resolver::LookupStatus::kNone) return code + " is in neither the address file nor the office file";
    if (match.status == resolver::LookupStatus::kOffice) return "";
    for (size_t i = 0; i < match.townCount; ++i) {
      if (!codes_.Parts(match.towns[i]).town.empty()) return "";
    }
    const resolver::TownParts parts = codes_.Parts(match.towns[0]);
    return code + " is the code of " + std::string(parts.prefecture) + std::string(parts.city) + "'s towns not listed (" +
           resolver::word::kNotListed + "): Japan Post numbers no customer barcode for it";
  }

  Fit Make(const Asked& asked, long line) {
    Fit fit;
    if (!asked.hasAddress) {
      barcode::MakeBarcode(asked.code, std::string_view(), barcode_);
      return fit;
    }
    fit.checked = true;
    resolver_.Resolve(asked.address, resolution_);
    const bool found = barcode::MakeAddressBarcode(book_, resolution_, resolver::kNoOffice, asked.code, asked.address,
                                                   finder_, barcode_);
    const resolver::Agreement agreement = resolver::CheckCode(book_, resolution_, asked.code);
    if (agreement == resolver::Agreement::kDisagrees) {
      fit.agrees = false;
      fit.ownCode = resolution_.postalCode;
      context_.PrintError(kLabel + Where(line) + asked.code + " is not the code of the address" +
                          (fit.ownCode.empty() ? std::string() : " (" + fit.ownCode + ")") +
                          ": bars that would misroute the letter");
    } else if (!found) {
      fit.agrees = agreement != resolver::Agreement::kUndecidable;
      context_.PrintError(kLabel + Where(line) + "the town of " + asked.code +
                          " is not found in the address; the barcode holds the code alone");
    }
    return fit;
  }

  void Print(const Asked& asked, const Fit& fit) const {
    const std::string data(barcode_.Data());
    if (!context_.options().json) {
      context_.PrintLine(data + "\t" + barcode::SymbolsText(barcode_) + "\t" + barcode::BarsText(barcode_));
      return;
    }
    std::string json = "{\"postal_code\": " + JsonString(asked.code) + AddressJson(asked);
    if (fit.checked) {
      json += std::string(", \"agrees\": ") + (fit.agrees ? "true" : "false");
      if (!fit.agrees) json += ", \"address_code\": " + (fit.ownCode.empty() ? "null" : JsonString(fit.ownCode));
    }
    json += ", \"data\": " + JsonString(data) + ", \"symbols\": " + JsonString(barcode::SymbolsText(barcode_)) +
            ", \"bars\": " + JsonString(barcode::BarsText(barcode_)) + "}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
  }

  // A line of standard input without a barcode: an empty line, or JSON's nulls.
  void PrintNone(const Asked& asked) const {
    if (!context_.options().json) {
      std::fwrite("\n", 1, 1, stdout);
      return;
    }
    const std::string code = asked.code.empty() ? "null" : JsonString(asked.code);
    const std::string json = "{\"postal_code\": " + code + AddressJson(asked) +
                             ", \"data\": null, \"symbols\": null, \"bars\": null}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
  }

  // The address as typed, its every character as written.
  std::string AddressJson(const Asked& asked) const {
    if (!asked.hasAddress) return ", \"address\": null";
    const bool utf8 = context_.options().utf8 && lists::IsUtf8Text(asked.addressTyped.data(), asked.addressTyped.size());
    return ", \"address\": " + JsonString(utf8 ? asked.addressTyped : ToUtf8Text(asked.address));
  }

  bool WriteSvg(const std::string& path) const {
    const std::string svg = barcode::BarcodeSvg(barcode_, barcode::LayoutAt(barcode::kStandardPoints));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    if (file != nullptr && std::fclose(file) != 0) written = false;
    if (!written) std::fprintf(stderr, "%scannot write %s\n", kLabel, path.c_str());
    return written;
  }

  const Context& context_;
  const resolver::AddressBook& book_;
  const resolver::CodeIndex codes_;
  resolver::Resolver resolver_;
  resolver::Resolution resolution_;
  barcode::TownFinder finder_;
  barcode::CustomerBarcode barcode_;
};

// One answer line for each line: CODE<TAB>ADDRESS, or CODE alone.
class BarcodeLines {
 public:
  explicit BarcodeLines(BarcodeWriter& writer) : writer_(writer) {}

  void Line(const std::string& raw, bool utf8, long lineNumber) {
    const size_t tab = raw.find('\t');
    const std::string code = raw.substr(0, tab);
    const std::string address = tab == std::string::npos ? std::string() : raw.substr(tab + 1);
    Asked asked = writer_.Read(code, tab == std::string::npos ? nullptr : &address, utf8);
    if (raw.empty()) {
      asked.refusal = "an empty line, no code";
    } else if (tab == std::string::npos && !asked.refusal.empty()) {
      asked.refusal += " (a line is CODE<TAB>ADDRESS)";
    }
    writer_.Write(asked, lineNumber, "");
  }
  void PrintSetApart() const {}

 private:
  BarcodeWriter& writer_;
};

}  // namespace

int RunBarcode(Context& context, const CommandArgs& args) {
  BarcodeRequest request;
  const std::string wrong = ReadRequest(args, request);
  if (!wrong.empty()) return UsageError(wrong);
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  BarcodeWriter writer(context, book);
  if (request.fromInput) {
    BarcodeLines lines(writer);
    return AnswerEachLine(context, {}, lines);
  }
  const Asked asked = writer.Read(request.code, request.hasAddress ? &request.address : nullptr,
                                  context.options().utf8Arguments);
  const bool refused = !asked.refusal.empty();
  const bool written = writer.Write(asked, 0, request.svgFile);
  std::fflush(stdout);
  if (refused) return kExitRefused;
  return written ? kExitOk : kExitNoData;
}

}  // namespace query
