// The survey reads quotes as CsvReader does: it finds the same quote never
// closed, and with a block for each row its blocks start and end where the
// reader's rows do, on the same lines. Blocks cut anywhere else would hand a
// thread half a row. The same for tab-separated cells, and for UTF-16 read
// through its converter, which gives back the very bytes it was given.
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "lists/csv_input.h"
#include "lists/csv_reader.h"
#include "lists/csv_survey.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// Text as the survey reads it: UTF-16 with its byte order mark as UTF-8,
// which converted back must be the input again.
std::string TextOf(const char* data, size_t size) {
  const lists::Utf16Order order = lists::Utf16ByteOrderMark(data, size);
  if (order == lists::Utf16Order::kNone) return std::string(data, size);
  lists::MemoryInput raw(data, size);
  lists::Utf16Input converted(raw, order);
  std::string text(size * 2 + 8, '\0');
  text.resize(converted.Read(&text[0], text.size()));
  std::string back;
  lists::Utf16Encoder(order).Append(text.data(), text.size(), back);
  Check(back == std::string(data, size));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char separator = data[0] & 1 ? '\t' : ',';
  const std::string text = TextOf(reinterpret_cast<const char*>(data) + 1, size - 1);
  const char* bytes = text.data();
  size = text.size();
  lists::MemoryInput input(bytes, size);
  lists::CsvSurvey survey;
  Check(lists::SurveyCsv(input, survey, {}, separator, 1));
  if (!survey.encoding.decided) return 0;

  lists::CsvReader reader(bytes, size, lists::BomLength(survey.encoding.encoding), 1, separator);
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
