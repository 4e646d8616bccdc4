// The survey reads quotes as CsvReader does: it finds the same quote never
// closed, and with a block for each row its blocks start and end where the
// reader's rows do, on the same lines. Blocks cut anywhere else would hand a
// thread half a row.
#include <cstdint>
#include <map>
#include <set>

#include "lists/csv_reader.h"
#include "lists/csv_survey.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  lists::MemoryInput input(bytes, size);
  lists::CsvSurvey survey;
  Check(lists::SurveyCsv(input, survey, {}, 1));
  if (!survey.encoding.decided) return 0;

  lists::CsvReader reader(bytes, size, lists::BomLength(survey.encoding.encoding));
  lists::CsvRow row;
  std::map<uint64_t, long> rowLines;  // where each row begins, and its line
  std::set<uint64_t> rowEnds;
  lists::CsvReader::Result read;
  while ((read = reader.Next(row)) == lists::CsvReader::kRow) {
    rowLines[row.begin] = row.line;
    rowEnds.insert(row.end);
  }
  if (read == lists::CsvReader::kUnclosedQuote) {
    Check(survey.unclosedQuoteLine == row.line);
    return 0;
  }
  Check(survey.unclosedQuoteLine == 0);
  uint64_t next = lists::BomLength(survey.encoding.encoding);
  for (const lists::CsvBlock& block : survey.blocks) {
    Check(block.begin == next && block.end > block.begin);
    const auto found = rowLines.find(block.begin);
    Check(found != rowLines.end() && found->second == block.line);
    Check(rowEnds.count(block.end) == 1);
    next = block.end;
  }
  Check(next == size || (survey.blocks.empty() && next >= size));
  return 0;
}
