// StreamCsv: the file looked over once, then read again in blocks that
// worker threads annotate while this thread writes their output in order.
#include <algorithm>
#include <chrono>
#include <thread>

#include "lists/csv_annotate.h"
#include "lists/csv_survey.h"
#include "lists/csv_work.h"
#include "lists/csv_workers.h"
#include "lists/list_head.h"

namespace lists {

namespace {

constexpr unsigned kMostThreads = 16;
constexpr size_t kBlocksPerThread = 2;  // in flight: enough to keep every thread busy
constexpr auto kProgressEvery = std::chrono::milliseconds(50);

// No more threads than blocks: each one's cells may hold a table of its own.
unsigned ThreadCount(unsigned asked, size_t blocks) {
  const unsigned threads = asked != 0 ? asked : std::max(1u, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::min<size_t>({threads, kMostThreads, std::max<size_t>(blocks, 1)}));
}

bool ReadBytes(CsvInput& input, uint64_t size, std::string& bytes) {
  bytes.resize(static_cast<size_t>(size));
  return size == 0 || (input.Read(&bytes[0], bytes.size()) == bytes.size() && !input.failed());
}

// The first row that is not blank, in the file's encoding.
std::vector<std::string> FirstRowCells(const std::string& block, long line, char separator) {
  CsvReader reader(block.data(), block.size(), 0, line, separator);
  CsvRow row;
  while (reader.Next(row) == CsvReader::kRow) {
    if (row.contentEnd != row.begin) return row.cells;
  }
  return {};
}

// Reads the survey's blocks in order, hands them to the workers, and writes
// what comes back in the same order.
class Stream {
 public:
  Stream(CsvInput& input, const CsvSurvey& survey, const CsvSink& sink, const CsvProgress& progress)
      : input_(input), survey_(survey), sink_(sink), progress_(progress) {}

  CsvOutcome Run(Workers& workers, std::string firstBlock, bool header, unsigned threads, CsvCounts& counts) {
    const size_t inFlight = threads * kBlocksPerThread;
    const auto& blocks = survey_.blocks;
    size_t next = 0;
    for (size_t written = 0; written < blocks.size();) {
      for (; next < blocks.size() && next - written < inFlight; ++next) {
        Job job;
        job.index = next;
        job.line = blocks[next].line;
        job.header = header && next == 0;
        if (next == 0) {
          job.in = std::move(firstBlock);
        } else if (!ReadBytes(input_, blocks[next].end - blocks[next].begin, job.in)) {
          return CsvOutcome::kCannotRead;
        }
        workers.Submit(std::move(job));
      }
      Job done;
      if (workers.Take(written, kProgressEvery, done)) {
        if (!sink_(done.out.data(), done.out.size())) return CsvOutcome::kCannotWrite;
        counts.Add(done.counts);
        ++written;
      }
      const uint64_t doneBytes = written == 0 ? 0 : blocks[written - 1].end;
      if (progress_ && !progress_(doneBytes, survey_.size)) return CsvOutcome::kCancelled;
    }
    return CsvOutcome::kDone;
  }

 private:
  CsvInput& input_;
  const CsvSurvey& survey_;
  const CsvSink& sink_;
  const CsvProgress& progress_;
};

// The first bytes, for what they tell; the input back at its start.
bool ReadHead(CsvInput& input, std::string& head) {
  head.resize(kFormSample);
  head.resize(input.Read(&head[0], head.size()));
  return !input.failed() && input.Restart();
}

// The work on a file of UTF-8 or Shift-JIS text, its separator known.
CsvResult StreamText(CsvInput& input, const ListShape& shape, const ListWork& work, char separator, const CsvSink& sink,
                     const CsvProgress& progress, unsigned threads) {
  CsvResult result;
  result.separator = separator;
  // 1. Look the file over: nothing is written before it is known to be whole.
  CsvSurvey survey;
  const uint64_t total = input.Size();
  const auto tick = [&] { return !progress || progress(0, total); };
  if (!SurveyCsv(input, survey, tick, separator)) {
    result.outcome = input.failed() ? CsvOutcome::kCannotRead : CsvOutcome::kCancelled;
    return result;
  }
  result.encoding = survey.encoding.encoding;
  if (!survey.encoding.decided) {
    result.outcome = CsvOutcome::kNotText;
    result.line = survey.encoding.line;
    return result;
  }
  if (survey.unclosedQuoteLine != 0) {
    result.outcome = CsvOutcome::kUnclosedQuote;
    result.line = survey.unclosedQuoteLine;
    return result;
  }
  // 2. The first row: the columns asked for must be in it; its names are the header's.
  std::string bom, firstBlock;
  if (!input.Restart() || !ReadBytes(input, BomLength(result.encoding), bom) ||
      (!survey.blocks.empty() && !ReadBytes(input, survey.blocks[0].end - survey.blocks[0].begin, firstBlock))) {
    result.outcome = CsvOutcome::kCannotRead;
    return result;
  }
  const std::vector<std::string> firstRow =
      survey.blocks.empty() ? std::vector<std::string>() : FirstRowCells(firstBlock, survey.blocks[0].line, separator);
  result.width = firstRow.size();
  if (!firstRow.empty() && shape.rightmost > result.width) {
    result.outcome = CsvOutcome::kColumnPastWidth;
    return result;
  }
  // 3. The blocks, annotated on the threads and written in order.
  const PreparedWork prepared =
      work.Prepare(result.encoding, separator, shape.header ? firstRow : std::vector<std::string>());
  const unsigned count = ThreadCount(threads, survey.blocks.size());
  // Short rows padded to the header's width, or without one the widest row's.
  Workers workers(prepared, separator, shape.header ? result.width : survey.widest);
  if (!workers.Start(count)) {
    result.outcome = CsvOutcome::kCannotStartThreads;
    return result;
  }
  if (!bom.empty() && !sink(bom.data(), bom.size())) {
    result.outcome = CsvOutcome::kCannotWrite;
    return result;
  }
  Stream stream(input, survey, sink, progress);
  result.outcome = stream.Run(workers, std::move(firstBlock), shape.header, count, result.counts);
  return result;
}

}  // namespace

CsvResult StreamCsv(CsvInput& input, const ListShape& shape, const ListWork& work, const CsvSink& sink,
                    const CsvProgress& progress, unsigned threads) {
  CsvResult result;
  // 0. The file's form, from its start. Its encoding is the survey's, of
  // the whole start.
  std::string raw;
  if (!ReadHead(input, raw)) {
    result.outcome = CsvOutcome::kCannotRead;
    return result;
  }
  const ListHead head = ReadListHead(raw, raw.size() == kFormSample);
  const HeadCheck check = CheckListHead(head);
  if (IsFormRefusal(check.outcome)) {
    result.outcome = check.outcome;
    result.line = check.line;
    return result;
  }
  const char separator = SeparatorFor(shape.separator, head.text.data(), head.text.size());
  if (head.utf16 == Utf16Order::kNone) return StreamText(input, shape, work, separator, sink, progress, threads);
  // UTF-16: read as UTF-8, and what goes out written back in UTF-16.
  Utf16Input text(input, head.utf16);
  Utf16Encoder encoder(head.utf16);
  std::string encoded;
  const CsvSink inUtf16 = [&](const char* data, size_t size) {
    encoded.clear();
    encoder.Append(data, size, encoded);
    return sink(encoded.data(), encoded.size());
  };
  result = StreamText(text, shape, work, separator, inUtf16, progress, threads);
  result.utf16 = head.utf16;
  return result;
}

}  // namespace lists
