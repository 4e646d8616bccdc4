// A directory of its own under %TEMP% for the Windows tests, removed with
// its files when the object goes.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace test_lines {

class TempDir {
 public:
  TempDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
      path_ = std::string(base) + "kuranto-test-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++counter) + "\\";
      if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
  }
  ~TempDir() {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((path_ + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((path_ + found.cFileName).c_str());
      } while (FindNextFileA(h, &found));
      FindClose(h);
    }
    RemoveDirectoryA(path_.c_str());
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory, ending in "\".
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
  }
  bool Has(const std::string& name) const { return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string path_;
};

}  // namespace test_lines
