// import-utf8 FILE: Japan Post's UTF-8 edition into DIR's address file.
#include <cstdio>

#include "datafiles/utf8_import.h"
#include "query/context.h"

namespace query {

// Converts FILE into the address file (Ken_all.csv, or the name it already
// has in DIR), then builds the index files from it, as the program does at
// start. The old address file stays when anything fails.
int RunImportUtf8(Context& context, const CommandArgs& args) {
  if (args.size() != 1) return kExitUsage;
  const std::string& source = args[0];
  const std::string& target = context.files().addressFile;
  const datafiles::ImportResult r = datafiles::ImportUtf8Edition(source, target, {});
  switch (r.status) {
    case datafiles::ImportStatus::kDone:
      return context.PrepareIndexes(true);
    case datafiles::ImportStatus::kCannotRead:
      std::fprintf(stderr, "kuranto-query: cannot read %s\n", source.c_str());
      return kExitNoData;
    case datafiles::ImportStatus::kNotUtf8:
      std::fprintf(stderr, "kuranto-query: %s line %ld: byte 0x%02X is not UTF-8; %s not written\n", source.c_str(),
                   r.line, static_cast<unsigned>(r.character), target.c_str());
      return kExitRefused;
    case datafiles::ImportStatus::kNoCp932Form:
      std::fprintf(stderr, "kuranto-query: %s line %ld: U+%04X has no Shift-JIS (cp932) form; %s not written\n",
                   source.c_str(), r.line, static_cast<unsigned>(r.character), target.c_str());
      return kExitRefused;
    case datafiles::ImportStatus::kCannotWrite:
      std::fprintf(stderr, "kuranto-query: cannot write %s\n", target.c_str());
      return kExitNoData;
  }
  return kExitNoData;
}

}  // namespace query
