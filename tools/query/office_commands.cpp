// office ...: the business-office searches.
#include "postal/office_search.h"
#include "tools/query/context.h"

namespace query {

namespace {

struct KindName {
  const char* name;
  int kind;
};
const KindName kNumberKinds[] = {{"old", postal::kOldNumber}, {"new", postal::kNewNumber}, {"city", postal::kCityCode}};

// Fills the form from "KIND ARGS..."; false on bad usage or, with
// `badText` set, on an argument that cannot be converted.
bool ReadOfficeForm(const Context& context, const CommandArgs& args, postal::SearchForm& q, bool& badText) {
  badText = false;
  if (args.empty()) return false;
  const std::string& kind = args[0];
  auto text = [&](size_t i, std::string& out) {
    if (!context.Argument(args[i], out)) badText = true;
    return !badText;
  };
  for (const KindName& k : kNumberKinds) {
    if (kind == k.name && args.size() == 2) {
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

// The business file is optional and needs no index: a missing one finds
// nothing, as in the program.
int RunOffice(Context& context, const CommandArgs& args) {
  postal::SearchForm q;
  bool badText;
  if (!ReadOfficeForm(context, args, q, badText)) return badText ? kExitRefused : kExitUsage;
  postal::OfficeRows rows;
  const char* refusal = postal::SearchOffices(context.files().officeFile, q, rows);
  if (refusal != nullptr) {
    context.PrintError(refusal);
    return kExitRefused;
  }
  for (int i = 0; i < rows.Count(); ++i) context.PrintOfficeRow(*rows.At(i));
  return kExitOk;
}

}  // namespace query
