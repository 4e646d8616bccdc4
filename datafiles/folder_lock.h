// One program at a time per data folder: the window and kuranto-query take
// this lock before they write its files (extraction, index builds, import).
// Windows: a named mutex derived from the folder's full path, ignoring case;
// elsewhere: an flock'd file in the folder.
#pragma once

#include <string>

namespace datafiles {

// The lock file's name in the folder (POSIX only).
inline constexpr char kLockFileName[] = "kuranto.lock";

class FolderLock {
 public:
  // `directory` is the data folder (with or without its ending separator);
  // nothing is taken yet.
  explicit FolderLock(const std::string& directory);
  ~FolderLock();  // releases the lock when held
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock unless another program holds it; false when one does.
  // True when already held. Within one process: on POSIX a second FolderLock
  // is refused too; on Windows the mutex belongs to the thread, so a second
  // FolderLock of the same thread also succeeds. A folder where no lock can
  // be made (POSIX: one that cannot be written) counts as free: true, with
  // held() false.
  bool TryLock();
  // Waits until the lock is free and takes it (as TryLock otherwise).
  void Lock();
  bool held() const { return held_; }

 private:
  std::string directory_;
  bool held_ = false;
#ifdef _WIN32
  void* mutex_ = nullptr;  // HANDLE
#else
  int fd_ = -1;
#endif
};

}  // namespace datafiles
