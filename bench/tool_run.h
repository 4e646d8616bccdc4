// The query tool run as a user runs it, for the benchmarks that time whole
// processes. POSIX only, as those benchmarks are.
#pragma once

#include <string>
#include <vector>

namespace bench {

// What one run of a tool took: wall time, processor time (user and system,
// so that a run on a busy machine can be judged) and peak memory (KiB).
struct ToolRun {
  double seconds = 0;
  double cpuSeconds = 0;
  long peakKb = 0;
};

// Runs `args` (the tool's path first) to its end; false when it could not
// start or did not exit 0. `input`, when given, is its standard input, and
// its output then goes nowhere.
bool RunTool(const std::vector<std::string>& args, ToolRun& run, const std::string& input = std::string());

}  // namespace bench
