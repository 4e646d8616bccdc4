#include "lists/csv_workers.h"

#include <exception>
#include <utility>

namespace lists {

std::thread StartThread(std::function<void()> run) { return std::thread(std::move(run)); }

Workers::Workers(const PreparedWork& work, char separator, size_t width)
    : work_(work), separator_(separator), width_(width) {}

Workers::~Workers() { StopAll(); }

bool Workers::Start(unsigned threads, const ThreadStart& start) {
  if (threads <= 1) {
    inline_ = work_.makeCells();
    return true;
  }
  try {
    threads_.reserve(threads);
    for (unsigned i = 0; i < threads; ++i) {
      // Each thread's cells are made on the thread that uses them: a cell
      // maker keeps its buffers, so no two threads share one.
      threads_.push_back(start([this] { Run(*work_.makeCells()); }));
    }
  } catch (const std::exception&) {  // std::system_error, or std::bad_alloc for a thread's state
    StopAll();
    return false;
  }
  return true;
}

void Workers::StopAll() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  todoReady_.notify_all();
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
  threads_.clear();
}

void Workers::Submit(Job job) {
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

bool Workers::Take(size_t index, std::chrono::milliseconds wait, Job& job) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!doneReady_.wait_for(lock, wait, [&] { return done_.count(index) != 0; })) return false;
  const auto found = done_.find(index);
  job = std::move(found->second);
  done_.erase(found);
  return true;
}

void Workers::Annotate(RowCells& cells, Job& job) const {
  AnnotateBlock(job.in.data(), job.in.size(), job.line, separator_, job.header, work_.header, width_, cells, job.out,
                job.counts);
  job.in = std::string();
}

void Workers::Run(RowCells& cells) {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      todoReady_.wait(lock, [&] { return stop_ || !todo_.empty(); });
      if (stop_) return;
      job = std::move(todo_.front());
      todo_.pop_front();
    }
    Annotate(cells, job);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_.emplace(job.index, std::move(job));
    }
    doneReady_.notify_one();
  }
}

}  // namespace lists
