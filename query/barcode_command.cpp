// barcode [--svg FILE] CODE [ADDRESS]: Japan Post's customer barcode of an
// address, from standard input's CODE<TAB>ADDRESS lines without ADDRESS.
#include <cstdio>

#include "barcode/address_barcode.h"
#include "barcode/bar_layout.h"
#include "lists/csv_encoding.h"
#include "lists/text_lines.h"
#include "query/json_rows.h"
#include "query/resolve.h"
#include "query/terminal.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

struct BarcodeRequest {
  std::string svgFile;  // "" for none
  std::string code, address;
  bool fromInput = true;
};

bool ReadRequest(const CommandArgs& args, BarcodeRequest& request) {
  size_t i = 0;
  if (i + 1 < args.size() && args[i] == "--svg") {
    request.svgFile = args[i + 1];
    i += 2;
  }
  if (i == args.size()) return request.svgFile.empty();  // one SVG per barcode
  if (args.size() - i != 2) return false;
  request.code = args[i];
  request.address = args[i + 1];
  request.fromInput = false;
  return true;
}

class BarcodeWriter {
 public:
  BarcodeWriter(const Context& context, const resolver::AddressBook& book)
      : context_(context), book_(book), resolver_(book) {}

  // One address: false, with the message printed, for a code that is no
  // 7 digits. `line` 0 for the command line.
  bool Write(const std::string& typedCode, const std::string& address, long line, const std::string& svgFile) {
    const std::string code = barcode::BarcodeCode(typedCode);
    if (code.empty()) {
      context_.PrintError(kLabel + Where(line) + "\"" + typedCode + "\" is no 7-digit postal code");
      return false;
    }
    resolver_.Resolve(address, resolution_);
    if (!barcode::MakeAddressBarcode(book_, resolution_, resolver::kNoOffice, code, address, finder_, barcode_)) {
      context_.PrintError(kLabel + Where(line) + "the town of " + code +
                          " is not found in the address; the barcode holds the code alone");
    }
    Print(code, address);
    if (!svgFile.empty()) return WriteSvg(svgFile);
    return true;
  }

 private:
  static std::string Where(long line) { return line > 0 ? "line " + std::to_string(line) + ": " : ""; }

  void Print(const std::string& code, const std::string& address) const {
    const std::string data(barcode_.Data());
    if (!context_.options().json) {
      context_.PrintLine(data + "\t" + barcode::SymbolsText(barcode_) + "\t" + barcode::BarsText(barcode_));
      return;
    }
    const std::string json = "{\"postal_code\": " + JsonString(code) + ", \"address\": " +
                             JsonString(ToUtf8Text(address)) + ", \"data\": " + JsonString(data) +
                             ", \"symbols\": " + JsonString(barcode::SymbolsText(barcode_)) +
                             ", \"bars\": " + JsonString(barcode::BarsText(barcode_)) + "}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
  }

  bool WriteSvg(const std::string& path) const {
    const std::string svg = barcode::BarcodeSvg(barcode_, barcode::LayoutAt(barcode::kStandardPoints));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file != nullptr && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    if (file != nullptr && std::fclose(file) != 0) return false;
    if (!written) std::fprintf(stderr, "%scannot write %s\n", kLabel, path.c_str());
    return written;
  }

  const Context& context_;
  const resolver::AddressBook& book_;
  resolver::Resolver resolver_;
  resolver::Resolution resolution_;
  barcode::TownFinder finder_;
  barcode::CustomerBarcode barcode_;
};

int WriteStandardInput(const Context& context, BarcodeWriter& writer) {
  SetBinaryMode(stdin);
  lists::TextLines input([](char* buffer, size_t size) { return std::fread(buffer, 1, size, stdin); });
  if (input.Open() != lists::ListStart::kText) {
    std::fprintf(stderr, "%sstandard input is no text of CODE<TAB>ADDRESS lines; nothing written\n", kLabel);
    return kExitRefused;
  }
  const lists::CsvEncoding encoding =
      input.fromUtf16() || context.options().utf8 ? lists::CsvEncoding::kUtf8 : lists::CsvEncoding::kCp932;
  int code = kExitOk;
  std::string line;
  while (input.Next(line)) {
    const size_t tab = line.find('\t');
    const std::string cp932 = lists::CellAsCp932(line, encoding);
    const size_t cp932Tab = cp932.find('\t');
    if (tab == std::string::npos || cp932Tab == std::string::npos) {
      context.PrintError(kLabel + std::string("line ") + std::to_string(input.lineNumber()) +
                         ": no tab between the code and the address");
      code = kExitRefused;
      continue;
    }
    if (!writer.Write(cp932.substr(0, cp932Tab), cp932.substr(cp932Tab + 1), input.lineNumber(), "")) {
      code = kExitRefused;
    }
  }
  return code;
}

}  // namespace

int RunBarcode(Context& context, const CommandArgs& args) {
  BarcodeRequest request;
  if (!ReadRequest(args, request)) return kExitUsage;
  std::string code, address;
  if (!request.fromInput) {
    if (!context.Argument(request.code, code) || !context.Argument(request.address, address)) return kExitRefused;
    if (barcode::BarcodeCode(code).empty()) {
      context.PrintError(kLabel + ("\"" + code) + "\" is no 7-digit postal code");
      return kExitRefused;
    }
  }
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  BarcodeWriter writer(context, book);
  if (request.fromInput) return WriteStandardInput(context, writer);
  const int result = writer.Write(code, address, 0, request.svgFile) ? kExitOk : kExitRefused;
  std::fflush(stdout);
  return result;
}

}  // namespace query
