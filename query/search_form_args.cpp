#include "query/context.h"
#include "postal/number_text.h"

namespace query {

namespace {

struct KindName {
  const char* name;
  int kind;
};
const KindName kNumberKinds[] = {{"old", postal::kOldNumber}, {"new", postal::kNewNumber}, {"city", postal::kCityCode}};
const char kKinds[] = "a search takes old|new|city|area|fuzzy TEXT or place PREFECTURE CITY TOWN";

}  // namespace

int ReadSearchForm(const Context& context, const CommandArgs& args, postal::SearchForm& q) {
  if (args.empty()) return UsageError(kKinds);
  const std::string& kind = args[0];
  bool badText = false;
  auto text = [&](size_t i, std::string& out) {
    if (!context.Argument(args[i], out)) badText = true;
    return !badText;
  };
  auto result = [&](bool ok) { return ok ? kExitOk : (badText ? kExitRefused : UsageError(kKinds)); };
  for (const KindName& k : kNumberKinds) {
    if (kind == k.name && args.size() == 2) {
      q.mode = postal::SearchMode::kNumber;
      q.kind = k.kind;
      const int read = result(text(1, q.number));
      q.number = postal::NormalizeNumberText(q.number);
      return read;
    }
  }
  if (kind == "area" && args.size() == 2) {
    q.mode = postal::SearchMode::kNumber;
    q.kind = postal::kAreaCode;
    return result(text(1, q.areaPlace));
  }
  if (kind == "place" && args.size() == 4) {
    q.mode = postal::SearchMode::kLocation;
    return result(text(1, q.prefecture) && text(2, q.city) && text(3, q.town));
  }
  if (kind == "fuzzy" && args.size() == 2) {
    q.mode = postal::SearchMode::kFuzzy;
    return result(text(1, q.fuzzy));
  }
  return UsageError(kKinds);
}

}  // namespace query
