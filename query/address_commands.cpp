// address ..., cities, build.
#include <cstdio>

#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "query/context.h"

namespace query {

int RunAddress(Context& context, const CommandArgs& args) {
  postal::SearchForm q;
  const int read = ReadSearchForm(context, args, q);
  if (read != kExitOk) return read;
  const int prepared = context.PrepareIndexes(datafiles::BuildScope::kDue);
  if (prepared != kExitOk) return prepared;
  postal::AddressRows rows;
  const char* refusal = postal::SearchAddresses(context.files().addressFile, context.tables(), q, rows);
  if (refusal != nullptr) {
    context.PrintError(refusal);
    return kExitRefused;
  }
  for (int i = 0; i < rows.Count(); ++i) context.PrintAddressRow(*rows.At(i));
  return kExitOk;
}

int RunCities(Context& context, const CommandArgs& args) {
  if (args.size() != 1) return UsageError("cities takes one PREFECTURE");
  std::string prefecture;
  if (!context.Argument(args[0], prefecture)) return kExitRefused;
  const int prepared = context.PrepareIndexes(datafiles::BuildScope::kDue);
  if (prepared != kExitOk) return prepared;
  for (const std::string& city : datafiles::CitiesOf(context.cityListBytes(), prefecture)) context.PrintLine(city);
  return kExitOk;
}

int RunBuild(Context& context, const CommandArgs& args) {
  if (!args.empty()) return UsageError("build takes no arguments");
  return context.PrepareIndexes(datafiles::BuildScope::kEvery);
}

}  // namespace query
