// The loaders of "d_joken.dat" and "kiroku.txt" over any bytes, and the
// round trip of whatever they load.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafiles/saved_lists.h"

namespace {

std::string ScratchFile(const char* name) {
  return "/tmp/kuranto-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

// A text the files keep exactly.
bool Storable(const std::string& text, size_t limit) {
  return text.size() <= limit && text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::vector<datafiles::ConditionRow> conditions = datafiles::ParseSavedConditions(bytes);
  const std::vector<datafiles::ConditionRow> again =
      datafiles::ParseSavedConditions(datafiles::FormatSavedConditions(conditions));
  if (again.size() != conditions.size()) std::abort();
  for (size_t i = 0; i < conditions.size(); ++i) {
    for (int c = 0; c < datafiles::kConditionCells; ++c) {
      const std::string& cell = conditions[i].cells[c];
      if (Storable(cell, datafiles::kConditionCellBytes) && cell != again[i].cells[c]) std::abort();
    }
  }

  const std::vector<std::string> records = datafiles::ParseRecordLog(bytes);
  const std::vector<std::string> records2 = datafiles::ParseRecordLog(datafiles::FormatRecordLog(records));
  if (records2.size() != records.size()) std::abort();
  for (size_t i = 0; i < records.size(); ++i) {
    if (Storable(records[i], datafiles::kRecordRowBytes) && records[i] != records2[i]) std::abort();
  }

  // The file loaders read the same rows.
  const std::string conditionFile = ScratchFile("d_joken.dat");
  const std::string recordFile = ScratchFile("kiroku.txt");
  for (const std::string* path : {&conditionFile, &recordFile}) {
    std::FILE* f = std::fopen(path->c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  if (datafiles::LoadSavedConditions(conditionFile).size() != conditions.size()) std::abort();
  if (datafiles::LoadRecordLog(recordFile) != records) std::abort();
  return 0;
}
