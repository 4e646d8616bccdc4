// import FILE: a Japan Post download (either zip, or a CSV of either edition)
// into DIR's address or office file; import-utf8 FILE: the same with a CSV
// taken for the UTF-8 edition.
#include "datafiles/downloads.h"
#include "query/context.h"

namespace query {

namespace {

// Makes the file FILE calls for (the address file under the name it already
// has in DIR), then builds the index files, as the program does at start.
// The old file stays when anything fails.
int Import(Context& context, const CommandArgs& args, bool utf8Edition) {
  if (args.size() != 1) return UsageError("import takes one FILE");
  context.LockFolder();
  const datafiles::Extraction extraction = datafiles::PlanImport(context.files(), args[0], utf8Edition);
  const datafiles::ExtractionResult r = datafiles::RunExtraction(extraction, {});
  if (!r.done) {
    context.PrintError(r.message);
    return r.conversion.status == datafiles::ImportStatus::kDone ? kExitNoData : kExitRefused;
  }
  return context.PrepareIndexes(datafiles::BuildScope::kEvery);
}

}  // namespace

int RunImport(Context& context, const CommandArgs& args) { return Import(context, args, false); }
int RunImportUtf8(Context& context, const CommandArgs& args) { return Import(context, args, true); }

}  // namespace query
