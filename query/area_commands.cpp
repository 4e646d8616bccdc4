// areas: the places of an area code from the area-code table.
#include <cstdio>

#include "datafiles/area_codes.h"
#include "datafiles/file_access.h"
#include "query/context.h"

namespace query {

int RunAreas(Context& context, const CommandArgs& args) {
  if (args.size() != 1) return UsageError("areas takes one telephone area CODE");
  std::string code;
  if (!context.Argument(args[0], code)) return kExitRefused;
  // Unlike the program, which just leaves the list empty, the tool says why.
  std::string bytes;
  if (!datafiles::ReadSmallFile(context.files().areaCodes, bytes)) {
    std::fprintf(stderr, "kuranto-query: cannot read %s\n", context.files().areaCodes.c_str());
    return kExitNoData;
  }
  for (const std::string& place : datafiles::AreaPlacesForBytes(bytes, code)) context.PrintLine(place);
  return kExitOk;
}

}  // namespace query
