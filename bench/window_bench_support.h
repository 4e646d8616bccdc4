// What the benchmarks of the Windows program share: a clock, medians, and
// a program folder in the temporary directory laid out as a user installs it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The fastest run: what the program needs when the machine lets it.
inline double Best(const std::vector<double>& values) {
  return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

inline bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

inline std::string OwnDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return DirectoryOf(path);
}

// A program folder in the temporary directory, laid out as a user installs
// it, so the index files the program writes never land beside the data.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& prefix) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + prefix + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  ~ProgramFolder() {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((dir_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA(Path(found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(dir_.c_str());
  }
  const std::string& dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
  // Copies keep the file's date, which the program compares at start-up.
  bool Copy(const std::string& from, const std::string& name) const {
    return CopyFileA(from.c_str(), Path(name).c_str(), FALSE) != FALSE;
  }

 private:
  std::string dir_;
};

}  // namespace bench
