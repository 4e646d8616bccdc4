// kuranto-query: the program's searches from the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "query/context.h"

namespace {

const char kUsage[] =
    "usage: kuranto-query [--dir DIR] [--utf8] [--json | --template T] [--hyphen] [--hiragana] COMMAND ARGS...\n"
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
    "  --template T            print each row through T (address letters NKkSsMmCO,\n"
    "                          business letters NGgKSMCO) instead of tab-separated slots;\n"
    "                          --hyphen and --hiragana then convert numbers and kana\n"
    "  --json                  print each row as a JSON object (JSON Lines, UTF-8)\n"
    "  number searches take a leading postal mark and blanks, full-width digits and\n"
    "  full-width dashes as people type them\n";

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
};

int Usage() {
  std::fputs(kUsage, stderr);
  return query::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  query::Options options;
  std::string rawTemplate;
  int i = 1;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
    const std::string flag = argv[i];
    if (flag == "--dir" && i + 1 < argc) {
      options.dir = argv[++i];
    } else if (flag == "--template" && i + 1 < argc) {
      options.useTemplate = true;
      rawTemplate = argv[++i];
    } else if (flag == "--utf8") {
      options.utf8 = true;
    } else if (flag == "--hyphen") {
      options.hyphen = true;
    } else if (flag == "--hiragana") {
      options.hiragana = true;
    } else if (flag == "--json") {
      options.json = true;
    } else {
      return Usage();
    }
  }
  if (i >= argc || (options.json && options.useTemplate)) return Usage();
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
    const int code = command.run(context, args);
    return code == query::kExitUsage ? Usage() : code;
  }
  return Usage();
}
