#include "datafiles/file_access.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace datafiles {

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string FileDate(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return std::string();
  std::fclose(f);
  int64_t seconds;
  if (!FileWriteTime(path, seconds)) return std::string();
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local;
  if (localtime_r(&t, &local) == nullptr) return std::string();
  char text[64];
  std::snprintf(text, sizeof text, "%.2d/%.2d/%d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
  return text;
}

bool FileWriteTime(const std::string& path, int64_t& seconds) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  seconds = static_cast<int64_t>(st.st_mtime);
  return true;
}

bool SetFileWriteTime(const std::string& path, int64_t seconds) {
  struct timeval times[2];
  times[0].tv_sec = static_cast<time_t>(seconds);
  times[0].tv_usec = 0;
  times[1] = times[0];
  return ::utimes(path.c_str(), times) == 0;
}

bool FileSize(const std::string& path, uint64_t& bytes) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  bytes = static_cast<uint64_t>(st.st_size);
  return true;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string FindNameIgnoringCase(const std::string& directory, const std::string& name) {
  if (FileExists(directory + name)) return name;
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return name;
  std::string found = name;
  while (dirent* entry = ::readdir(dir)) {
    if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

}  // namespace datafiles
