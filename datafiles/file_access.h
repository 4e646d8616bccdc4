// The few file-system operations the data files need, one implementation per
// platform (file_access.cpp for POSIX, file_access_win.cpp for Windows).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace datafiles {

// True when an entry of that exact path exists (a directory counts).
bool FileExists(const std::string& path);

// The last-write date in local time as "%.2d/%.2d/%d" (month, day, year);
// empty when the file cannot be read.
std::string FileDate(const std::string& path);

// Seconds since the epoch of the last write; false when unknown.
bool FileWriteTime(const std::string& path, int64_t& seconds);

// Sets the last-write time (seconds since the epoch); false on failure.
bool SetFileWriteTime(const std::string& path, int64_t seconds);

// The size in bytes; false when the file cannot be read.
bool FileSize(const std::string& path, uint64_t& bytes);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the old file whole. False on failure.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// The same written in pieces: the output goes to "PATH.tmp" and Commit
// renames it over `path`. Until then the old file (or none) stays whole, and
// an object that goes uncommitted, after a failure or a cancel, removes its
// temporary file.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False when the temporary file could not be made.
  bool ok() const { return file_ != nullptr; }
  bool Write(const char* data, size_t size);
  // Closes and renames; false on failure, the temporary file removed.
  bool Commit();

 private:
  void Abandon();

  std::string path_;
  std::string temporary_;
  std::FILE* file_;
};

// Renames `from` to `to`, replacing a file there; false on failure.
bool RenameReplacing(const std::string& from, const std::string& to);

// Reads a whole (small) file; false when it cannot be opened.
bool ReadSmallFile(const std::string& path, std::string& bytes);
// Reads at most `maxBytes` from the start of a file; false when it cannot be
// opened.
bool ReadFileHead(const std::string& path, size_t maxBytes, std::string& head);

// The name of the entry of `directory` that equals `name` ignoring ASCII
// case; `name` itself when there is none. (Japan Post writes KEN_ALL.CSV.)
std::string FindNameIgnoringCase(const std::string& directory, const std::string& name);

}  // namespace datafiles
