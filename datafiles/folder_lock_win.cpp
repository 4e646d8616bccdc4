#include "datafiles/folder_lock.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace datafiles {

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr uint64_t kFnvPrime = 1099511628211ULL;

// "Local\kuranto-" and a hash of the full path, case-folded and without its
// ending separator, so that every spelling of one folder names one mutex.
std::string MutexName(const std::string& directory) {
  char full[MAX_PATH * 2];
  const DWORD length = GetFullPathNameA(directory.c_str(), sizeof full, full, nullptr);
  std::string path = (length > 0 && length < sizeof full) ? std::string(full, length) : directory;
  std::string folded;
  for (size_t i = 0; i < path.size(); ++i) {
    char c = path[i];
    if (IsDBCSLeadByteEx(932, static_cast<BYTE>(c)) && i + 1 < path.size()) {
      folded += c;
      folded += path[++i];  // a trail byte is neither a letter nor a separator
      continue;
    }
    if (c == '/') c = '\\';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    folded += c;
  }
  while (folded.size() > 3 && folded.back() == '\\') folded.pop_back();
  uint64_t hash = kFnvOffset;
  for (unsigned char c : folded) hash = (hash ^ c) * kFnvPrime;
  char name[64];
  std::snprintf(name, sizeof name, "Local\\kuranto-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace

FolderLock::FolderLock(const std::string& directory) : directory_(directory) {}

FolderLock::~FolderLock() {
  if (mutex_ == nullptr) return;
  if (held_) ReleaseMutex(static_cast<HANDLE>(mutex_));
  CloseHandle(static_cast<HANDLE>(mutex_));
}

bool FolderLock::TryLock() {
  if (held_) return true;
  if (mutex_ == nullptr) mutex_ = CreateMutexA(nullptr, FALSE, MutexName(directory_).c_str());
  if (mutex_ == nullptr) return true;
  // An abandoned mutex: its program ended without releasing it; ours now.
  const DWORD waited = WaitForSingleObject(static_cast<HANDLE>(mutex_), 0);
  held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  return held_;
}

void FolderLock::Lock() {
  if (TryLock() || mutex_ == nullptr) return;
  const DWORD waited = WaitForSingleObject(static_cast<HANDLE>(mutex_), INFINITE);
  held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

}  // namespace datafiles
