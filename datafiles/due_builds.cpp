#include "datafiles/due_builds.h"

namespace datafiles {

std::vector<std::string> RunDueBuilds(const FileSet& files, const StartupPlan& plan, BuildScope scope,
                                      HeldIndexFiles& held, const BuildRunner& runner) {
  const bool every = scope == BuildScope::kEvery;
  std::vector<std::string> unwritten;
  const auto store = [&](const std::string& path, const std::string& bytes) {
    if (!StoreIndexFile(path, bytes, held)) unwritten.push_back(path);
  };
  const std::string& address = files.addressFile;
  if (every || plan.buildCityList) {
    runner(IndexBuild::kCityList,
           [&](const BuildProgress& progress) { store(files.cityList, BuildCityList(address, progress)); });
  }
  if (every || plan.buildPrefectureRanges) {
    runner(IndexBuild::kPrefectureRanges, [&](const BuildProgress& progress) {
      store(files.prefectureRanges, BuildPrefectureRanges(address, progress));
    });
  }
  if (every || plan.buildNumberRanges) {
    runner(IndexBuild::kNumberRanges, [&](const BuildProgress& progress) {
      const NumberRangeFiles built = BuildNumberRanges(address, progress);
      store(files.newNumberRanges, built.newNumbers);
      store(files.oldNumberRanges, built.oldNumbers);
    });
  }
  return unwritten;
}

}  // namespace datafiles
