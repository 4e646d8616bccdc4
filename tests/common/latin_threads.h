// Many threads, each with a resolver of its own, each resolving addresses
// that name a building in Latin letters (which fills the Latin reading's
// buffers) and then ending: a thread's buffers must go with its resolver,
// never with the thread's exit. Shared by the native and the Wine tests;
// literals are cp932.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/common/address_lines.h"
#include "resolver/resolver.h"

namespace test_lines {

// A town with its buildings listed, their names in katakana and in letters.
inline std::string LatinBuildingBook() {
  return CrLfLines({
      AddressLine("13103", "107  ", "1070052", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶ(ﾂｷﾞﾉﾋﾞﾙｦﾉｿﾞｸ)", "東京都", "港区",
                  "赤坂（次のビルを除く）"),
      AddressLine("13103", "107  ", "1076090", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｶｻｶｱｰｸﾋﾙｽﾞ･ｱｰｸﾓﾘﾋﾞﾙ(ﾁｶｲ･ｶｲｿｳﾌﾒｲ)", "東京都",
                  "港区", "赤坂赤坂アークヒルズ・アーク森ビル（地階・階層不明）"),
      AddressLine("13103", "107  ", "1076390", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｶｻｶﾋﾞｽﾞﾀﾜｰ(ﾁｶｲ･ｶｲｿｳﾌﾒｲ)", "東京都", "港区",
                  "赤坂赤坂Ｂｉｚタワー（地階・階層不明）"),
  });
}

inline const char* const kLatinBuildingAddresses[] = {
    "東京都港区赤坂１－１２－３２　Ａｒｋ　Ｍｏｒｉ　Ｂｌｄｇ",
    "東京都港区赤坂5-3-1 Akasaka Biz Tower",
    "東京都港区赤坂2-3-4 Yazawa Bldg.",
};

// Starts `threads` threads `rounds` times; each resolves every address of
// kLatinBuildingAddresses and ends. The number of answers that differ from
// one made on this thread first.
inline int LatinThreadMismatches(const resolver::AddressBook& book, int threads, int rounds) {
  std::vector<std::string> expected;
  resolver::Resolver own(book);
  resolver::Resolution r;
  for (const char* address : kLatinBuildingAddresses) {
    own.Resolve(address, r);
    expected.push_back(std::string(resolver::StatusName(r.status)) + r.postalCode);
  }
  std::atomic<int> mismatches{0};
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::thread> started;
    for (int t = 0; t < threads; ++t) {
      started.emplace_back([&book, &expected, &mismatches] {
        resolver::Resolver resolver(book);
        resolver::Resolution answer;
        for (size_t i = 0; i < expected.size(); ++i) {
          resolver.Resolve(kLatinBuildingAddresses[i], answer);
          if (std::string(resolver::StatusName(answer.status)) + answer.postalCode != expected[i]) ++mismatches;
        }
      });
    }
    for (std::thread& thread : started) thread.join();
  }
  return mismatches.load();
}

}  // namespace test_lines
