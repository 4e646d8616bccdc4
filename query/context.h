// What every command of kuranto-query shares: options, the file set, the
// index tables (built first when due), argument and output encoding.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datafiles/due_builds.h"
#include "datafiles/file_set.h"
#include "datafiles/folder_lock.h"
#include "postal/ranges.h"
#include "postal/records.h"
#include "postal/search_form.h"
#include "postal/templates.h"

namespace query {

enum ExitCode { kExitOk = 0, kExitNoData = 1, kExitRefused = 2, kExitUsage = 64 };

struct Options {
  std::string dir = ".";
  bool utf8 = false;           // output, standard input and messages in UTF-8, not cp932
  bool utf8Arguments = false;  // the command line in UTF-8
  bool useTemplate = false;
  std::string templateText;  // cp932
  bool hyphen = false;
  bool hiragana = false;
  bool json = false;  // rows as JSON Lines, UTF-8 whatever `utf8` says
};

class Context {
 public:
  explicit Context(const Options& options);

  const Options& options() const { return options_; }
  const datafiles::FileSet& files() const { return files_; }

  // An argument as cp932 (converted when the arguments are UTF-8); false,
  // with a message printed, when it cannot be converted.
  bool Argument(const std::string& raw, std::string& cp932) const;
  // One line of output or of error text, converted to UTF-8 when `utf8`;
  // an output line is a JSON string with --json.
  void PrintLine(const std::string& cp932) const;
  void PrintError(const std::string& cp932) const;
  // A text line already in the output's encoding.
  void PrintText(const std::string& text) const;

  // Extracts the downloads; then kExitOk when DIR holds an address file in
  // the Shift-JIS edition, otherwise kExitNoData with the message printed.
  int RequireAddressFile();
  // Takes DIR's folder lock for the rest of the run, waiting (with a note on
  // stderr) while another program holds it. Called before anything is
  // written, so a search alone never waits for the window.
  void LockFolder();
  // Makes what Japan Post's downloads in DIR call for (PlanExtractions),
  // under the folder lock. kExitOk, or kExitNoData with each refusal printed.
  int ExtractDownloads();

  // Extracts the downloads, runs the builds `scope` asks for and loads the tables. A build
  // whose file cannot be written is used from memory. Returns kExitOk, or
  // kExitNoData with the message printed (also for an address file in the
  // UTF-8 edition, which is not read).
  int PrepareIndexes(datafiles::BuildScope scope);
  const postal::IndexTables& tables() const { return tables_; }
  const std::string& cityListBytes() const { return cityList_; }

  // A row as its slots joined by tabs, through the template given with
  // --template (with --hyphen and --hiragana applied), or as a JSON object.
  void PrintAddressRow(const postal::AddressRecord& row) const;
  void PrintOfficeRow(const postal::OfficeRecord& row) const;

 private:
  postal::DisplayFlags displayFlags() const;

  Options options_;
  datafiles::FileSet files_;
  postal::IndexTables tables_;
  std::string cityList_;
  bool rebuildAll_ = false;  // the address file was extracted in this run
  std::shared_ptr<datafiles::FolderLock> lock_;  // shared: main copies the context
};

using CommandArgs = std::vector<std::string>;

// A usage error: one line on stderr naming what is wrong (`what`, cp932
// printed as given) and the help as the way to the rest; kExitUsage.
int UsageError(const std::string& what);

// Fills `form` from "KIND ARGS..." (old|new|city TEXT, area PLACE, place
// PREFECTURE CITY TOWN, fuzzy TEXT), the texts converted to cp932. Returns
// kExitOk, kExitUsage, or kExitRefused for a text that cannot be converted.
int ReadSearchForm(const Context& context, const CommandArgs& args, postal::SearchForm& form);

// The commands; each returns an ExitCode.
int RunAddress(Context& context, const CommandArgs& args);
int RunCities(Context& context, const CommandArgs& args);
int RunBuild(Context& context, const CommandArgs& args);
int RunAreas(Context& context, const CommandArgs& args);
int RunOffice(Context& context, const CommandArgs& args);
int RunImport(Context& context, const CommandArgs& args);
int RunImportUtf8(Context& context, const CommandArgs& args);
int RunResolve(Context& context, const CommandArgs& args);
int RunBarcode(Context& context, const CommandArgs& args);
int RunLookup(Context& context, const CommandArgs& args);
int RunLabels(Context& context, const CommandArgs& args);

}  // namespace query
