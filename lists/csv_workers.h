// The threads that annotate a file's blocks: blocks handed to them and
// handed back by index, so that the caller writes them in order.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "lists/csv_work.h"

namespace lists {

struct Job {
  size_t index = 0;
  long line = 1;
  bool header = false;
  std::string in;
  std::string out;
  CsvCounts counts;
};

// Starts a thread running `run`; throws std::system_error, as std::thread
// does, when it cannot.
using ThreadStart = std::function<std::thread(std::function<void()> run)>;
std::thread StartThread(std::function<void()> run);

// With one thread the blocks are done on the caller's thread as they come.
class Workers {
 public:
  // Rows shorter than `width` cells are padded to it (AnnotateBlock).
  Workers(const PreparedWork& work, char separator, size_t width);
  ~Workers();
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;

  // Starts `threads` workers (none for one). False when one cannot start:
  // those already started are stopped and joined, and no block may be
  // submitted.
  bool Start(unsigned threads, const ThreadStart& start = StartThread);

  void Submit(Job job);
  // Block `index` once done, waiting at most `wait`; false when not yet.
  bool Take(size_t index, std::chrono::milliseconds wait, Job& job);

 private:
  void Annotate(RowCells& cells, Job& job) const;
  void Run(RowCells& cells);
  void StopAll();

  const PreparedWork& work_;
  const char separator_;
  const size_t width_;
  std::unique_ptr<RowCells> inline_;  // with one thread only
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable todoReady_;
  std::condition_variable doneReady_;
  std::deque<Job> todo_;
  std::map<size_t, Job> done_;
  bool stop_ = false;
};

}  // namespace lists
