// The address books of the core tests: the real address file read once for
// every resolver test of this process (the load is the slow part, and the
// book never changes), and small books of a test's own lines.
#pragma once

#include <memory>
#include <string>

#include "resolver/resolver.h"
#include "tests/common/resolver_book.h"
#include "tests/core/test_support.h"

namespace testing_support {

// nullptr when ../shared/data holds no KEN_ALL.CSV (the tests skip then).
inline const resolver::AddressBook* RealAddressBook() {
  static const std::unique_ptr<resolver::AddressBook> book = [] {
    std::unique_ptr<resolver::AddressBook> loaded;
    const std::string path = SharedDataFile("KEN_ALL.CSV");
    std::string error;
    if (!path.empty()) loaded = std::make_unique<resolver::AddressBook>();
    if (loaded != nullptr && !loaded->Load(path, error)) loaded.reset();
    return loaded;
  }();
  return book.get();
}

// A book of `towns` (KEN_ALL.CSV's bytes) and `offices` (JIGYOSYO.CSV's, "" for none).
inline resolver::AddressBook LoadedBook(const std::string& towns, const std::string& offices = "") {
  resolver::AddressBook book;
  book.LoadFromMemory(towns.data(), towns.size());
  if (!offices.empty()) book.LoadOfficesFromMemory(offices.data(), offices.size());
  return book;
}

// The small book of tests/common/resolver_book.h, read once.
inline const resolver::AddressBook& SmallBook() {
  static const resolver::AddressBook book = LoadedBook(CrLfLines(test_lines::ResolverBookLines()));
  return book;
}

}  // namespace testing_support
