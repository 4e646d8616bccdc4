#include "tests/core/test_support.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kuranto-test-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

void CopyFile(const std::string& from, const std::string& to) {
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::permissions(to, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

void SetFileTime(const std::string& path, long long seconds) {
  struct timeval times[2];
  times[0].tv_sec = static_cast<time_t>(seconds);
  times[0].tv_usec = 0;
  times[1] = times[0];
  if (::utimes(path.c_str(), times) != 0) throw std::runtime_error("utimes failed: " + path);
}

std::string SharedDataFile(const std::string& name) {
  const std::string path = std::string(KURANTO_SHARED_DATA) + "/" + name;
  return Exists(path) ? path : std::string();
}

namespace {

std::string Convert(const char* to, const char* from, const std::string& text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv for cp932");
  std::string out(text.size() * 3 + 4, '\0');
  char* src = const_cast<char*>(text.data());
  size_t srcLeft = text.size(), dstLeft = out.size();
  char* dst = &out[0];
  iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

std::string Slurp(int fd) {
  std::string all;
  char block[65536];
  ssize_t got;
  while ((got = ::read(fd, block, sizeof block)) > 0) all.append(block, static_cast<size_t>(got));
  return all;
}

}  // namespace

std::string ToUtf8(const std::string& cp932) { return Convert("UTF-8", "CP932", cp932); }
std::string FromUtf8(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }

CommandResult RunQueryTool(const std::vector<std::string>& args) { return RunQueryTool(args, std::string()); }

CommandResult RunProgram(const std::vector<std::string>& argv) { return RunProgram(argv, std::string(), {}); }

CommandResult RunQueryTool(const std::vector<std::string>& args, const std::string& input,
                           const std::vector<std::string>& environment) {
  std::vector<std::string> argv{KURANTO_QUERY_TOOL};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProgram(argv, input, environment);
}

CommandResult RunProgram(const std::vector<std::string>& args, const std::string& input,
                         const std::vector<std::string>& environment) {
  TempDir scratch;
  const std::string outPath = scratch.File("out"), errPath = scratch.File("err"), inPath = scratch.File("in");
  WriteFile(inPath, input);
  std::vector<char*> argv;
  std::vector<std::string> copies(args);
  for (std::string& a : copies) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    for (const std::string& change : environment) {
      const size_t equals = change.find('=');
      if (equals == std::string::npos) {
        ::unsetenv(change.c_str());
      } else {
        ::setenv(change.substr(0, equals).c_str(), change.c_str() + equals + 1, 1);
      }
    }
    const int in = ::open(inPath.c_str(), O_RDONLY);
    ::dup2(in, 0);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  CommandResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  const int out = ::open(outPath.c_str(), O_RDONLY);
  const int err = ::open(errPath.c_str(), O_RDONLY);
  result.out = Slurp(out);
  result.err = Slurp(err);
  ::close(out);
  ::close(err);
  return result;
}

std::string Utf16(const std::string& utf8, bool bigEndian) {
  std::string out;
  const auto unit = [&](uint32_t u) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  unit(0xFEFF);
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    if (c >= 0x10000) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
  }
  return out;
}

}  // namespace testing_support
