// The index builds a start-up plan calls for, run in order and stored.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "datafiles/file_set.h"
#include "datafiles/index_build.h"
#include "datafiles/index_store.h"
#include "datafiles/startup_check.h"

namespace datafiles {

enum class IndexBuild { kCityList, kPrefectureRanges, kNumberRanges };

// Runs one build's `work`, which moves the progress it is given; a window
// shows it in a dialog, a tool simply calls it.
using BuildRunner = std::function<void(IndexBuild build, const std::function<void(const BuildProgress&)>& work)>;

// Which builds run: those the plan marks due, or every one.
enum class BuildScope { kDue, kEvery };

// Runs through `runner` each build that `scope` asks for, storing its files:
// a file that cannot be written stays in `held` for the run. Returns the
// paths that could not be written.
std::vector<std::string> RunDueBuilds(const FileSet& files, const StartupPlan& plan, BuildScope scope,
                                      HeldIndexFiles& held, const BuildRunner& runner);

}  // namespace datafiles
