#include "datafiles/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace datafiles {

namespace {

constexpr mode_t kLockFileMode = 0644;

std::string LockFilePath(const std::string& directory) {
  if (directory.empty()) return kLockFileName;
  return directory.back() == '/' ? directory + kLockFileName : directory + "/" + kLockFileName;
}

}  // namespace

FolderLock::FolderLock(const std::string& directory) : directory_(directory) {}

FolderLock::~FolderLock() {
  // Closing the file releases the flock; the file stays, since removing it
  // would let a waiting program lock a file that no longer has a name.
  if (fd_ >= 0) ::close(fd_);
}

bool FolderLock::TryLock() {
  if (held_) return true;
  if (fd_ < 0) fd_ = ::open(LockFilePath(directory_).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kLockFileMode);
  if (fd_ < 0) return true;
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return false;
  held_ = true;
  return true;
}

void FolderLock::Lock() {
  if (TryLock() || fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
  }
  held_ = true;
}

}  // namespace datafiles
