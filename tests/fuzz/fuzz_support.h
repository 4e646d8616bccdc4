// What the fuzz targets over data files share.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

namespace fuzz_support {

// Writes `bytes` to this process's scratch file `name` and returns its path,
// or "" when it cannot be written.
inline std::string WriteScratchFile(const std::string& name, const std::string& bytes) {
  const std::string path = "/tmp/kuranto-fuzz-" + name + "-" + std::to_string(::getpid()) + ".csv";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return std::string();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path;
}

}  // namespace fuzz_support
