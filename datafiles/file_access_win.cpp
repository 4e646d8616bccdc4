#include "datafiles/file_access.h"

#include <windows.h>

#include <cstdio>

namespace datafiles {

namespace {

// Closes a file handle on every path out.
class ScopedFile {
 public:
  explicit ScopedFile(HANDLE h) : h_(h) {}
  ~ScopedFile() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

constexpr uint64_t kTicksPerSecond = 10000000ULL;
constexpr uint64_t kEpochSeconds = 11644473600ULL;  // 1601 to 1970

bool LastWriteTime(const std::string& path, FILETIME& written) {
  // Opens an existing file only: the check must never create one.
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && GetFileTime(file.get(), nullptr, nullptr, &written) != 0;
}

}  // namespace

bool FileExists(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA(path.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}

std::string FileDate(const std::string& path) {
  FILETIME written, local;
  SYSTEMTIME date;
  if (!LastWriteTime(path, written) || !FileTimeToLocalFileTime(&written, &local) ||
      !FileTimeToSystemTime(&local, &date)) {
    return std::string();
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.2d/%.2d/%d", date.wMonth, date.wDay, date.wYear);
  return text;
}

bool FileWriteTime(const std::string& path, int64_t& seconds) {
  FILETIME written;
  if (!LastWriteTime(path, written)) return false;
  ULARGE_INTEGER ticks;
  ticks.LowPart = written.dwLowDateTime;
  ticks.HighPart = written.dwHighDateTime;
  seconds = static_cast<int64_t>(ticks.QuadPart / kTicksPerSecond) - static_cast<int64_t>(kEpochSeconds);
  return true;
}

bool SetFileWriteTime(const std::string& path, int64_t seconds) {
  ScopedFile file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  ULARGE_INTEGER ticks;
  ticks.QuadPart = (static_cast<uint64_t>(seconds) + kEpochSeconds) * kTicksPerSecond;
  FILETIME written;
  written.dwLowDateTime = ticks.LowPart;
  written.dwHighDateTime = ticks.HighPart;
  return SetFileTime(file.get(), nullptr, nullptr, &written) != 0;
}

bool FileSize(const std::string& path, uint64_t& bytes) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  bytes = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string FindNameIgnoringCase(const std::string&, const std::string& name) {
  return name;  // the file system already ignores case
}

}  // namespace datafiles
