// resolve [--code-first | --names] [ADDRESS...] | resolve --csv FILE --column N ...
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "lists/csv_annotate.h"
#include "lists/csv_encoding.h"
#include "lists/text_lines.h"
#include "query/json_rows.h"
#include "query/resolve.h"
#include "query/terminal.h"
#include "resolver/book_files.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";

bool ReadColumn(const std::string& text, size_t& column) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  column = static_cast<size_t>(std::strtoul(text.c_str(), nullptr, 10));
  return column >= 1;
}

// The options after "resolve"; what is left are addresses. False on bad usage.
bool ReadRequest(const CommandArgs& args, ResolveRequest& request) {
  size_t i = 0;
  for (; i < args.size() && args[i].compare(0, 2, "--") == 0; ++i) {
    const std::string& flag = args[i];
    const bool hasValue = i + 1 < args.size();
    if (flag == "--code-first") {
      request.codeFirst = true;
    } else if (flag == "--names") {
      request.names = true;
    } else if (flag == "--split") {
      request.split = true;
    } else if (flag == "--header") {
      request.header = true;
    } else if (flag == "--csv" && hasValue) {
      request.csvFile = args[++i];
    } else if (flag == "--output" && hasValue) {
      request.output = args[++i];
    } else if (flag == "--column" && hasValue) {
      if (!ReadColumn(args[++i], request.column)) return false;
    } else if (flag == "--code-column" && hasValue) {
      if (!ReadColumn(args[++i], request.codeColumn)) return false;
    } else if (flag == "--name-column" && hasValue) {
      if (!ReadColumn(args[++i], request.nameColumn)) return false;
    } else if (flag == "--separator" && hasValue) {
      const std::string& value = args[++i];
      if (value != "tab" && value != "comma") return false;
      request.separator = value == "tab" ? lists::Separator::kTab : lists::Separator::kComma;
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
      : context_(context), book_(book), codeFirst_(request.codeFirst), names_(request.names), split_(request.split) {}

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
    resolver::Resolve(book_, cp932, resolution_);
    if (codeFirst_) {
      line.agreement = resolver::CheckCode(book_, resolution_, given_);
      if (line.agreement == resolver::Agreement::kOffice) {
        line.givenOffice = resolver::OfficeWithCode(book_, resolution_, given_);
      }
    }
    if (names_ && !first.empty()) line.office = resolver::FindOffice(book_, resolution_, first);
    line.inputUtf8 = utf8 && lists::IsUtf8Text(address.data(), address.size()) ? address : ToUtf8Text(cp932);
    line.split = split_;
    if ((split_ || context_.options().json) && resolver::ReadAddressParts(book_, resolution_, cp932, parts_)) {
      line.parts = &parts_;
    }
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
    ResolvedLine line;
    given_.clear();
    if (codeFirst_) line.given = &given_;
    line.split = split_;
    line.inputUtf8 = ToUtf8Text(utf8 ? lists::CellAsCp932(raw, lists::CsvEncoding::kUtf8) : raw);
    Print(line);
  }

  void Print(const ResolvedLine& line) {
    if (context_.options().json) {
      const std::string json = ResolutionJson(book_, resolution_, line) + "\n";
      std::fwrite(json.data(), 1, json.size(), stdout);
    } else {
      context_.PrintLine(ResolutionText(book_, resolution_, line));
    }
  }

  const Context& context_;
  const resolver::AddressBook& book_;
  const bool codeFirst_;
  const bool names_;
  const bool split_;
  std::string given_;
  resolver::AddressParts parts_;
  resolver::Resolution resolution_;
  lists::CsvRowLines notText_;
};

// What a terminal has typed: up to a line end, so that each line is answered
// as it is typed.
size_t ReadTypedLine(char* buffer, size_t size) {
  size_t got = 0;
  int c;
  while (got < size && (c = std::getc(stdin)) != EOF) {
    buffer[got++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  return got;
}

// Standard input a line at a time (LF or CR LF), answering as it goes, one
// answer for every line whatever it holds. At a terminal each answer is
// flushed at once; in a pipe stdio's buffer decides. kExitRefused, nothing
// written, for input whose lines cannot be told apart.
int ResolveStandardInput(const Context& context, LineResolver& lines) {
  const bool interactive = IsTerminal(stdin);
  if (!interactive) SetBinaryMode(stdin);
  lists::TextLines input([interactive](char* buffer, size_t size) {
    return interactive ? ReadTypedLine(buffer, size) : std::fread(buffer, 1, size, stdin);
  });
  switch (input.Open()) {
    case lists::ListStart::kUtf16WithoutBom:
      std::fprintf(stderr,
                   "%sstandard input looks like UTF-16 without a byte order mark; give it one (as Excel's "
                   "\"Unicode text\" has), or UTF-8 or Shift-JIS; nothing written\n",
                   kLabel);
      return kExitRefused;
    case lists::ListStart::kCrOnly:
      std::fprintf(stderr, "%sstandard input ends its lines with CR alone, not LF or CR LF; nothing written\n", kLabel);
      return kExitRefused;
    case lists::ListStart::kText:
      break;
  }
  const bool utf8 = input.fromUtf16() || context.options().utf8;
  std::string line;
  while (input.Next(line)) {
    lines.Line(line, utf8, input.lineNumber());
    if (interactive) std::fflush(stdout);
  }
  lines.PrintSetApart();
  return kExitOk;
}

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
  int code = kExitOk;
  if (request.addresses.empty()) {
    code = ResolveStandardInput(context, lines);
  } else {
    long number = 0;
    for (const std::string& address : request.addresses) lines.Line(address, context.options().utf8Arguments, ++number);
    lines.PrintSetApart();
  }
  std::fflush(stdout);
  return code;
}

}  // namespace query
