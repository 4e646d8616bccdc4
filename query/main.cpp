// kuranto-query: the program's searches from the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "encoding/cp932_encode.h"
#include "labels/label.h"
#include "query/context.h"
#include "query/terminal.h"
#include "resolver/words.h"

namespace {

// cp932, as every text of the tool; printed in the terminal's encoding.
const char kUsage[] =
    "usage: kuranto-query [--help] [--dir DIR] [--utf8 | --cp932] [--json | --template T] [--hyphen] [--hiragana] COMMAND ARGS...\n"
    "  address old TEXT | address new TEXT | address city TEXT\n"
    "  address area \"PREFECTURE CITY\"\n"
    "  address place PREFECTURE CITY TOWN     (\"\" for an empty text)\n"
    "  address fuzzy TEXT\n"
    "  office old|new|city TEXT | office area \"PREFECTURE CITY\"\n"
    "  office place PREFECTURE CITY TOWN | office fuzzy TEXT   (Jigyosyo.csv)\n"
    "  cities PREFECTURE       the city list of a prefecture\n"
    "  build                   extract DIR's Japan Post zips when newer, run the three index builds now\n"
    "  areas CODE              the places of a telephone area code\n"
    "  import FILE             ken_all.zip, utf_ken_all.zip, jigyosyo.zip or a CSV of either\n"
    "                          edition into DIR's Ken_all.csv or Jigyosyo.csv (the UTF-8 edition\n"
    "                          converted into the Shift-JIS one), then build the index files\n"
    "  import-utf8 FILE        the same, FILE taken for the UTF-8 edition\n"
    "  resolve [--code-first | --names] [--split] [--barcode] [ADDRESS...]\n"
    "                          the postal code of each address (none given: one a line\n"
    "                          on standard input): CODE, STATUS (exact, ambiguous, city,\n"
    "                          none) and the candidates, tab-separated; --code-first\n"
    "                          reads CODE<TAB>ADDRESS and adds the code and the agreement\n";
// The agreement's words, as the tool writes them, between the two halves.
const char kUsageAfterAgreements[] =
    " a business office's own code\n"
    "                          registered at the address); --names reads NAME<TAB>ADDRESS:\n"
    "                          an office of that name there answers with its own code,\n"
    "                          status office; --split adds the address's parts, tab-\n"
    "                          separated: prefecture, city, town, subarea, chome, lot,\n"
    "                          building (--json always gives them as \"parts\")\n"
    "                          --barcode adds the customer barcode's data of each exact or\n"
    "                          office answer (JSON: \"barcode\": {data, symbols, bars})\n"
    "  resolve --csv FILE --column N [--header] [--code-column M] [--name-column K]\n"
    "          [--separator tab|comma] [--split] [--output OUT] [--barcode] [--threads N]\n"
    "                          FILE with CODE,STATUS (the seven parts with --split, and\n"
    "                          AGREEMENT) added to each row,\n"
    "                          to standard output or OUT; columns count from 1; cells\n"
    "                          split at the first row's tabs when it has no comma;\n"
    "                          UTF-8, Shift-JIS or UTF-16 with its byte order mark;\n"
    "                          --threads N: N threads work on it (default: one a\n"
    "                          processor), the output the same for any N\n"
    "  barcode [--svg FILE] [CODE [ADDRESS]]\n"
    "                          Japan Post's customer barcode: DATA, SYMBOLS and the 67 BARS\n"
    "                          (F long, A upper half, D lower half, T timing), tab-separated;\n"
    "                          --svg also writes it at its real size; CODE alone: the code's;\n"
    "                          none given: CODE<TAB>ADDRESS lines on standard input, one\n"
    "                          answer line each (empty where refused, the reason on stderr)\n"
    "  lookup [CODE...]        the address of each postal code (none given: one a line on\n"
    "                          standard input): CODE, STATUS (exact, ambiguous, office,\n"
    "                          none), PREFECTURE, CITY, TOWN, tab-separated; a building's\n"
    "                          floor adds the building, an office its name and lot; six\n"
    "                          digits read with the 0 a spreadsheet dropped, 3 or 5 as an\n"
    "                          old code's towns\n"
    "  lookup --csv FILE --column N [--header] [--separator tab|comma] [--output OUT]\n"
    "          [--threads N]\n"
    "                          FILE with PREFECTURE,CITY,TOWN,STATUS added to each row\n"
    "  labels --csv FILE --column N [--name-column K] [--company-column C]\n"
    "         [--department-column D] [--code-column M] [--building-column B] [--header]\n"
    "         [--separator tab|comma] --stock NAME [--order list|code] [--start N]\n"
    "         [--offset X,Y] [--honorific auto|SAMA|ONCHU|none] [--frames] [--no-barcode]\n"
    "         [--from-code C --from-address A --from-name S] [--counts OUT.csv] --pdf OUT.pdf\n"
    "                          FILE's addresses as labels in a PDF at true size, the customer\n"
    "                          barcode under each name where the code is exact (or an\n"
    "                          office's) and agrees with the list's; stocks a4-10 a4-12\n"
    "                          a4-18 a4-21 a4-24 a4-44 naga3 naga4 kaku2 you2 postcard and\n"
    "                          custom:PAPER_W,PAPER_H,COLUMNS,ROWS,LABEL_W,LABEL_H,TOP,LEFT\n"
    "                          [,PITCH_X,PITCH_Y] in mm; --start N begins at label N of a\n"
    "                          used sheet; --offset moves everything by X,Y mm;\n"
    "                          --alignment (no FILE) prints the frames alone; --counts\n"
    "                          writes the labels per 3-digit district\n"
    "  --template T            print each row through T (address letters NKkSsMmCO,\n"
    "                          business letters NGgKSMCO) instead of tab-separated slots;\n"
    "                          --hyphen and --hiragana then convert numbers and kana\n"
    "  --json                  print each row as a JSON object (JSON Lines, UTF-8)\n"
    "  --utf8, --cp932         text in that encoding; without either, as the terminal's\n"
    "                          locale (Windows: console code page) says\n"
    "  number searches take a leading postal mark and blanks, full-width digits and\n"
    "  full-width dashes as people type them";

struct Command {
  const char* name;
  int (*run)(query::Context&, const query::CommandArgs&);
};

const Command kCommands[] = {
    {"address", query::RunAddress},
    {"cities", query::RunCities},
    {"build", query::RunBuild},
    {"areas", query::RunAreas},
    {"office", query::RunOffice},
    {"import", query::RunImport},
    {"import-utf8", query::RunImportUtf8},
    {"resolve", query::RunResolve},
    {"barcode", query::RunBarcode},
    {"lookup", query::RunLookup},
    {"labels", query::RunLabels},
};

enum class ForcedEncoding { kNone, kUtf8, kCp932 };

void ApplyEncoding(ForcedEncoding forced, query::Options& options) {
  if (forced == ForcedEncoding::kNone) {
    const query::TerminalEncoding terminal = query::DetectTerminalEncoding();
    options.utf8 = terminal.utf8Text;
    options.utf8Arguments = terminal.utf8Arguments;
    return;
  }
  options.utf8 = options.utf8Arguments = forced == ForcedEncoding::kUtf8;
}

// The usage with 様 and 御中 (UTF-8 in the layout) for SAMA and ONCHU.
std::string WithHonorifics(std::string usage) {
  const struct {
    const char* placeholder;
    const char* utf8;
  } honorifics[] = {{"SAMA", labels::kSama}, {"ONCHU", labels::kOnchu}};
  for (const auto& h : honorifics) {
    std::string cp932;
    const size_t at = usage.find(h.placeholder);
    if (at != std::string::npos && encoding::Utf8ToCp932(h.utf8, cp932)) usage.replace(at, std::strlen(h.placeholder), cp932);
  }
  return usage;
}

// The whole help, on standard output: asked for, not an error.
int Help(const query::Options& options) {
  using namespace resolver::word;
  const std::string agreements = std::string("                          (") + kAgrees + " agrees / " + kAmongCandidates +
                                 " among the candidates / " + kDisagrees + " disagrees /\n                          " +
                                 kUndecidable + " undecidable / " + kAgreesOffice;
  query::Options out = options;
  out.json = false;
  query::Context(out).PrintLine(kUsage + agreements + WithHonorifics(kUsageAfterAgreements));
  return query::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  query::Options options;
  std::string rawTemplate;
  ForcedEncoding forced = ForcedEncoding::kNone;
  int i = 1;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
    const std::string flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--dir" && hasValue) {
      options.dir = argv[++i];
    } else if (flag == "--template" && hasValue) {
      options.useTemplate = true;
      rawTemplate = argv[++i];
    } else if (flag == "--utf8") {
      forced = ForcedEncoding::kUtf8;
    } else if (flag == "--cp932") {
      forced = ForcedEncoding::kCp932;
    } else if (flag == "--hyphen") {
      options.hyphen = true;
    } else if (flag == "--hiragana") {
      options.hiragana = true;
    } else if (flag == "--json") {
      options.json = true;
    } else if (flag == "--help") {
      ApplyEncoding(forced, options);
      return Help(options);
    } else if (flag == "--dir" || flag == "--template") {
      return query::UsageError(flag + " needs a value");
    } else {
      return query::UsageError("no option " + flag);
    }
  }
  ApplyEncoding(forced, options);
  if (i >= argc) return query::UsageError("no COMMAND given");
  if (options.json && options.useTemplate) return query::UsageError("--json and --template cannot be given together");
  const std::string name = argv[i++];
  const query::CommandArgs args(argv + i, argv + argc);
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    query::Context context(options);
    if (options.useTemplate) {
      query::Options converted = options;
      if (!context.Argument(rawTemplate, converted.templateText)) return query::kExitRefused;
      context = query::Context(converted);
    }
    return command.run(context, args);
  }
  if (name == "help") return Help(options);
  return query::UsageError("no command \"" + name + "\"");
}
