// address ..., cities, build.
#include <cstdio>

#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "tools/query/context.h"

namespace query {

namespace {

struct KindName {
  const char* name;
  int kind;
};
const KindName kNumberKinds[] = {{"old", postal::kOldNumber}, {"new", postal::kNewNumber}, {"city", postal::kCityCode}};

// Fills the query from "KIND ARGS..."; false on bad usage.
bool ReadSearchForm(const Context& context, const CommandArgs& args, postal::SearchForm& q, bool& badText) {
  badText = false;
  if (args.empty()) return false;
  const std::string& kind = args[0];
  auto text = [&](size_t i, std::string& out) {
    if (!context.Argument(args[i], out)) badText = true;
    return !badText;
  };
  for (const KindName& k : kNumberKinds) {
    if (kind == k.name) {
      if (args.size() != 2) return false;
      q.mode = postal::kNumberMode;
      q.kind = k.kind;
      return text(1, q.number);
    }
  }
  if (kind == "area" && args.size() == 2) {
    q.mode = postal::kNumberMode;
    q.kind = postal::kAreaCode;
    return text(1, q.areaPlace);
  }
  if (kind == "place" && args.size() == 4) {
    q.mode = postal::kLocationMode;
    return text(1, q.prefecture) && text(2, q.city) && text(3, q.town);
  }
  if (kind == "fuzzy" && args.size() == 2) {
    q.mode = postal::kFuzzyMode;
    return text(1, q.fuzzy);
  }
  return false;
}

}  // namespace

int RunAddress(Context& context, const CommandArgs& args) {
  postal::SearchForm q;
  bool badText;
  if (!ReadSearchForm(context, args, q, badText)) return badText ? kExitRefused : kExitUsage;
  const int prepared = context.PrepareIndexes(false);
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
  if (args.size() != 1) return kExitUsage;
  std::string prefecture;
  if (!context.Argument(args[0], prefecture)) return kExitRefused;
  const int prepared = context.PrepareIndexes(false);
  if (prepared != kExitOk) return prepared;
  for (const std::string& city : datafiles::CitiesOf(context.cityListBytes(), prefecture)) context.PrintLine(city);
  return kExitOk;
}

int RunBuild(Context& context, const CommandArgs& args) {
  if (!args.empty()) return kExitUsage;
  return context.PrepareIndexes(true);
}

}  // namespace query
