// The index files of one run. A build writes its file beside the address
// file; when the folder cannot be written, the bytes stay in memory for the
// rest of the run instead, so the searches still answer (and the next start
// builds again, as the file is still missing or old).
#pragma once

#include <map>
#include <string>

namespace datafiles {

// Built index files that could not be written, by path.
struct HeldIndexFiles {
  std::map<std::string, std::string> bytes;
};

// Writes a built index file in place (the old file stays whole on failure).
// False when it could not be written: the bytes are then held in `held`.
bool StoreIndexFile(const std::string& path, const std::string& bytes, HeldIndexFiles& held);

// An index file's bytes for this run: the held ones, else the file's own
// ("" when it cannot be read).
std::string IndexFileBytes(const std::string& path, const HeldIndexFiles& held);

}  // namespace datafiles
