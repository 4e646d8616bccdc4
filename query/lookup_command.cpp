// lookup [CODE...] | lookup --csv FILE --column N [--header] [--separator S] [--output OUT]
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "datafiles/file_access.h"
#include "lists/csv_encoding.h"
#include "lists/csv_lookup.h"
#include "lists/text_lines.h"
#include "query/csv_run.h"
#include "query/json_rows.h"
#include "query/resolve.h"
#include "query/standard_input.h"
#include "query/terminal.h"
#include "resolver/code_index.h"
#include "resolver/offices.h"

namespace query {

namespace {

using resolver::LookupStatus;

const char kLabel[] = "kuranto-query: ";

// The options after "lookup"; what is left are codes. Without --csv the
// CSV options are bad usage. "" when they make a request, else what is
// wrong with them.
std::string ReadRequest(const CommandArgs& args, ResolveRequest& request) {
  size_t i = 0;
  std::string wrong;
  for (; i < args.size() && args[i].compare(0, 2, "--") == 0; ++i) {
    const CsvFlag flag = ReadCsvFlag(args, i, request, wrong);
    if (flag == CsvFlag::kBad) return wrong;
    if (flag == CsvFlag::kOther) return "lookup has no option " + args[i];
  }
  request.addresses.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  if (request.csvFile.empty()) return CsvFlagsWithoutFile(request);
  if (request.column == 0) return "lookup --csv needs --column N, the code column";
  if (!request.addresses.empty()) return "lookup --csv takes no CODE";
  return "";
}

// {"prefecture", "city", "town"}, and "building" and "floor" for a building's code.
std::string PartsJson(const resolver::TownParts& parts) {
  const auto field = [](const char* name, std::string_view cp932) {
    return JsonString(name) + ": " + JsonString(ToUtf8Text(std::string(cp932)));
  };
  std::string json = "{" + field("prefecture", parts.prefecture) + ", " + field("city", parts.city) + ", " +
                     field("town", parts.town);
  if (!parts.building.empty()) json += ", " + field("building", parts.building) + ", " + field("floor", parts.floor);
  return json + "}";
}

resolver::TownParts OfficeParts(const resolver::Office& office) {
  resolver::TownParts parts;
  parts.prefecture = office.prefecture;
  parts.city = office.city;
  parts.town = office.town;
  return parts;
}

// Looks up and prints one input after another.
class LineLookup {
 public:
  LineLookup(const Context& context, const resolver::CodeIndex& index) : context_(context), index_(index) {}

  // `raw` in the encoding `utf8` names; input line `lineNumber`. A line that
  // is no text gets the answer of no code.
  void Line(const std::string& raw, bool utf8, long lineNumber) {
    resolver::CodeMatch match;
    std::string inputUtf8;
    if (lists::IsTextLine(raw, utf8)) {
      const std::string cp932 = lists::CellAsCp932(raw, utf8 ? lists::CsvEncoding::kUtf8 : lists::CsvEncoding::kCp932);
      match = index_.Find(cp932);
      if (match.zeroAdded) zeroAdded_.Add(lineNumber);
      inputUtf8 = utf8 ? raw : ToUtf8Text(cp932);
    } else {
      notText_.Add(lineNumber);
      utf8Like_ = utf8Like_ || ReadsAsUtf8(raw, utf8);
      inputUtf8 = ToUtf8Text(utf8 ? lists::CellAsCp932(raw, lists::CsvEncoding::kUtf8) : raw);
    }
    if (context_.options().json) {
      const std::string json = Json(match, inputUtf8) + "\n";
      std::fwrite(json.data(), 1, json.size(), stdout);
    } else {
      context_.PrintLine(Text(match));
    }
  }

  // On stderr, when lines were set apart: how many, and the first ones.
  void PrintSetApart() const {
    if (zeroAdded_.count != 0) context_.PrintError(ZeroAddedLine(zeroAdded_));
    if (notText_.count == 0) return;
    context_.PrintError(kLabel + Plural(notText_.count, "line") + " not text, not looked up" + NamedLines(notText_) +
                        Utf8Hint(utf8Like_));
  }

 private:
  // CODE<TAB>STATUS<TAB>PREFECTURE<TAB>CITY<TAB>TOWN, then a building's
  // name and floor, or an office's name and the rest of its address.
  std::string Text(const resolver::CodeMatch& match) {
    index_.Cells(match, cells_);
    std::string text = std::string(match.postalCode) + "\t" + resolver::LookupStatusName(match.status) + "\t" +
                       cells_.prefecture + "\t" + cells_.city + "\t" + cells_.town;
    if (match.status == LookupStatus::kExact) {
      const resolver::TownParts parts = index_.Parts(match.towns[0]);
      if (!parts.building.empty()) text.append("\t").append(parts.building).append(" ").append(parts.floor);
    } else if (match.status == LookupStatus::kOffice) {
      const resolver::Office office = resolver::OfficeAt(index_.book(), match.office);
      text.append("\t").append(office.name).append("\t").append(office.lot);
    }
    return text;
  }

  std::string Json(const resolver::CodeMatch& match, const std::string& inputUtf8) const {
    std::string json = "{\"input\": " + JsonString(inputUtf8);
    const bool code = match.postalCode[0] != '\0' && !match.oldCode;
    json += ", \"postal_code\": " + (code ? JsonString(match.postalCode) : std::string("null"));
    if (match.oldCode) json += ", \"old_code\": " + JsonString(match.postalCode);
    if (match.zeroAdded) json += ", \"zero_added\": true";
    json += ", \"status\": " + JsonString(resolver::LookupStatusName(match.status));
    switch (match.status) {
      case LookupStatus::kExact:
        json += ", \"parts\": " + PartsJson(index_.Parts(match.towns[0]));
        break;
      case LookupStatus::kAmbiguous:
        json += ", \"candidates\": [";
        for (size_t i = 0; i < match.townCount; ++i) {
          json += (i == 0 ? "" : ", ") + PartsJson(index_.Parts(match.towns[i]));
        }
        json += "]";
        break;
      case LookupStatus::kOffice:
        json += ", \"parts\": " + PartsJson(OfficeParts(resolver::OfficeAt(index_.book(), match.office)));
        json += ", \"office\": " + OfficeJson(index_.book(), match.office);
        break;
      case LookupStatus::kNone:
        break;
    }
    return json + "}";
  }

  const Context& context_;
  const resolver::CodeIndex& index_;
  resolver::AddressCells cells_;
  lists::CsvRowLines notText_;
  lists::CsvRowLines zeroAdded_;
  bool utf8Like_ = false;  // a line set apart reads as UTF-8
};

void PrintSummary(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request) {
  std::string line = kLabel + Plural(counts.rows, "row") + ":";
  for (size_t i = 0; i < resolver::LookupCounts::kSize; ++i) {
    const LookupStatus status = resolver::LookupCounts::At(i);
    line += " " + std::string(resolver::LookupStatusName(status)) + " " + std::to_string(counts.codes[status]);
  }
  context.PrintError(line);
  PrintRowsSetApart(context, counts, request, "not looked up");
}

// The CSV mode, in the steps of resolve --csv.
int RunLookupCsv(Context& context, const ResolveRequest& request) {
  lists::LookupColumns columns;
  columns.code = request.column;
  columns.header = request.header;
  columns.separator = request.separator;
  const auto lookUp = [&columns, &request](const resolver::AddressBook& book, lists::CsvInput& input,
                                           const lists::CsvSink& sink, const lists::CsvProgress& progress) {
    const resolver::CodeIndex index(book);
    return lists::LookupCsv(index, input, columns, sink, progress, request.threads);
  };
  return RunCsvSteps(context, request, lookUp, PrintSummary);
}

}  // namespace

int RunLookup(Context& context, const CommandArgs& args) {
  ResolveRequest request;
  const std::string wrong = ReadRequest(args, request);
  if (!wrong.empty()) return UsageError(wrong);
  if (!request.csvFile.empty()) return RunLookupCsv(context, request);
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;
  const resolver::CodeIndex index(book);
  LineLookup lines(context, index);
  return AnswerEachLine(context, request.addresses, lines);
}

}  // namespace query
