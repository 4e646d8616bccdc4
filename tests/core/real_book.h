// The real address file read once for every resolver test of this process:
// the load is the slow part, and the book never changes.
#pragma once

#include <memory>
#include <string>

#include "resolver/resolver.h"
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

}  // namespace testing_support
