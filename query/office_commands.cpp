// office ...: the business-office searches.
#include "postal/office_search.h"
#include "query/context.h"

namespace query {

// The business file is optional and needs no index: a missing one finds
// nothing, as in the program.
int RunOffice(Context& context, const CommandArgs& args) {
  postal::SearchForm q;
  const int read = ReadSearchForm(context, args, q);
  if (read != kExitOk) return read;
  const int extracted = context.ExtractDownloads();
  if (extracted != kExitOk) return extracted;
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
