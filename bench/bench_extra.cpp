// Office searches and template expansion (filled in with those features).
#include "bench/bench_support.h"

namespace bench {

void RunExtraBenchmarks(const Workspace&, int) {}

}  // namespace bench
