// StreamCsv: the file looked over once, then read again in blocks that
// worker threads annotate while this thread writes their output in order.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "lists/csv_annotate.h"
#include "lists/csv_survey.h"
#include "lists/csv_work.h"

namespace lists {

namespace {

constexpr unsigned kMostThreads = 16;
constexpr size_t kBlocksPerThread = 2;  // in flight: enough to keep every thread busy
constexpr auto kProgressEvery = std::chrono::milliseconds(50);

struct Job {
  size_t index = 0;
  long line = 1;
  bool header = false;
  std::string in;
  std::string out;
  CsvCounts counts;
};

// Blocks handed to threads and handed back by index. With one thread the
// blocks are done on the caller's thread as they come.
class Workers {
 public:
  Workers(const ListWork& work, char separator, const std::string& headerText, size_t width, unsigned threads)
      : work_(work),
        separator_(separator),
        headerText_(headerText),
        width_(width),
        inline_(threads > 1 ? nullptr : work.MakeCells()) {
    for (unsigned i = 0; threads > 1 && i < threads; ++i) threads_.emplace_back(&Workers::Run, this);
  }

  ~Workers() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    todoReady_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

  void Submit(Job job) {
    if (threads_.empty()) {
      Annotate(*inline_, job);
      done_.emplace(job.index, std::move(job));
      return;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      todo_.push_back(std::move(job));
    }
    todoReady_.notify_one();
  }

  // Block `index` once done, waiting at most `wait`; false when not yet.
  bool Take(size_t index, std::chrono::milliseconds wait, Job& job) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!doneReady_.wait_for(lock, wait, [&] { return done_.count(index) != 0; })) return false;
    const auto found = done_.find(index);
    job = std::move(found->second);
    done_.erase(found);
    return true;
  }

 private:
  void Annotate(RowCells& cells, Job& job) const {
    AnnotateBlock(job.in.data(), job.in.size(), job.line, separator_, job.header, headerText_, width_, cells, job.out,
                  job.counts);
    job.in = std::string();
  }

  void Run() {
    const std::unique_ptr<RowCells> cells = work_.MakeCells();
    for (;;) {
      Job job;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        todoReady_.wait(lock, [&] { return stop_ || !todo_.empty(); });
        if (stop_) return;
        job = std::move(todo_.front());
        todo_.pop_front();
      }
      Annotate(*cells, job);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        done_.emplace(job.index, std::move(job));
      }
      doneReady_.notify_one();
    }
  }

  const ListWork& work_;
  const char separator_;
  const std::string& headerText_;
  const size_t width_;  // short rows padded to it
  const std::unique_ptr<RowCells> inline_;  // with one thread only
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable todoReady_;
  std::condition_variable doneReady_;
  std::deque<Job> todo_;
  std::map<size_t, Job> done_;
  bool stop_ = false;
};

unsigned ThreadCount(unsigned asked) {
  const unsigned threads = asked != 0 ? asked : std::max(1u, std::thread::hardware_concurrency());
  return std::min(threads, kMostThreads);
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

// A start refused for its form, kDone for one that can be read.
CsvOutcome RefusedStart(const std::string& head) {
  switch (ClassifyStart(head.data(), head.size())) {
    case ListStart::kUtf16WithoutBom:
      return CsvOutcome::kUtf16WithoutBom;
    case ListStart::kCrOnly:
      return CsvOutcome::kCrOnly;
    case ListStart::kText:
      break;
  }
  return CsvOutcome::kDone;
}

// The work on a file of UTF-8 or Shift-JIS text, its separator known.
CsvResult StreamText(CsvInput& input, const ListShape& shape, ListWork& work, char separator, const CsvSink& sink,
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
  const std::string headerText =
      work.Prepare(result.encoding, separator, shape.header ? firstRow : std::vector<std::string>());
  if (!bom.empty() && !sink(bom.data(), bom.size())) {
    result.outcome = CsvOutcome::kCannotWrite;
    return result;
  }
  const unsigned count = ThreadCount(threads);
  // Short rows padded to the header's width, or without one the widest row's.
  Workers workers(work, separator, headerText, shape.header ? result.width : survey.widest, count);
  Stream stream(input, survey, sink, progress);
  result.outcome = stream.Run(workers, std::move(firstBlock), shape.header, count, result.counts);
  return result;
}

}  // namespace

CsvResult StreamCsv(CsvInput& input, const ListShape& shape, ListWork& work, const CsvSink& sink,
                    const CsvProgress& progress, unsigned threads) {
  CsvResult result;
  // 0. The file's form, from its start.
  std::string head;
  if (!ReadHead(input, head)) {
    result.outcome = CsvOutcome::kCannotRead;
    return result;
  }
  result.outcome = RefusedStart(head);
  result.line = 1;
  if (result.outcome != CsvOutcome::kDone) return result;
  const Utf16Order utf16 = Utf16ByteOrderMark(head.data(), head.size());
  if (utf16 == Utf16Order::kNone) {
    return StreamText(input, shape, work, SeparatorFor(shape.separator, head.data(), head.size()), sink, progress,
                      threads);
  }
  // UTF-16: read as UTF-8, and what goes out written back in UTF-16.
  Utf16Input text(input, utf16);
  if (!ReadHead(text, head)) {
    result.outcome = CsvOutcome::kCannotRead;
    return result;
  }
  result.outcome = RefusedStart(head);
  if (result.outcome != CsvOutcome::kDone) return result;
  Utf16Encoder encoder(utf16);
  std::string encoded;
  const CsvSink inUtf16 = [&](const char* data, size_t size) {
    encoded.clear();
    encoder.Append(data, size, encoded);
    return sink(encoded.data(), encoded.size());
  };
  result = StreamText(text, shape, work, SeparatorFor(shape.separator, head.data(), head.size()), inUtf16, progress,
                      threads);
  result.utf16 = utf16;
  return result;
}

}  // namespace lists
