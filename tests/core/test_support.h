// Helpers shared by the core tests: temporary directories, files, the real
// data folder, and running the query tool.
#pragma once

#include <string>
#include <vector>

#include "tests/common/address_lines.h"

namespace testing_support {

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The directory, ending in "/".
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void CopyFile(const std::string& from, const std::string& to);
// Sets a file's modification time, seconds since the epoch.
void SetFileTime(const std::string& path, long long seconds);

// The real Japan Post file `name` (e.g. "KEN_ALL.CSV"), or "" when absent.
std::string SharedDataFile(const std::string& name);

using test_lines::CrLfLines;

// Text conversions with the platform's cp932 table.
std::string ToUtf8(const std::string& cp932);
// UTF-8 as UTF-16 with its byte order mark, as Excel's "Unicode テキスト" saves it.
std::string Utf16(const std::string& utf8, bool bigEndian = false);
std::string FromUtf8(const std::string& utf8);

struct CommandResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};
// Runs the query tool with these arguments (no shell quoting needed).
CommandResult RunQueryTool(const std::vector<std::string>& args);
// Runs `argv[0]` (a path) with the rest as its arguments.
CommandResult RunProgram(const std::vector<std::string>& argv);
CommandResult RunProgram(const std::vector<std::string>& argv, const std::string& input,
                         const std::vector<std::string>& environment);

// The same with `input` on standard input and the environment changed by
// `environment`: "NAME=VALUE" sets, "NAME" alone unsets.
CommandResult RunQueryTool(const std::vector<std::string>& args, const std::string& input,
                           const std::vector<std::string>& environment = {});

}  // namespace testing_support
