// Addresses with the answer the resolver must give over the real address file.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resolver/resolver.h"
#include "tests/core/test_support.h"

namespace testing_support {

struct ResolverCase {
  const char* address;
  resolver::Status status;
  const char* code;  // exact, city: the code; ambiguous: the codes, in file order, separated by blanks
};

inline void CheckResolutions(const resolver::AddressBook& book, const std::vector<ResolverCase>& cases) {
  resolver::Resolution r;
  for (const ResolverCase& c : cases) {
    resolver::Resolve(book, c.address, r);
    std::string codes;
    for (size_t i : r.candidates) codes.append(codes.empty() ? "" : " ").append(book.Record(i).postalCode);
    const std::string shown = ToUtf8(c.address);
    EXPECT_STREQ(resolver::StatusName(c.status), resolver::StatusName(r.status)) << shown << " " << codes;
    if (c.status == resolver::Status::kAmbiguous) {
      EXPECT_EQ(c.code, codes) << shown;
      EXPECT_EQ("", r.postalCode) << shown;
    } else {
      EXPECT_EQ(c.code, r.postalCode) << shown << " " << codes;
    }
  }
}

}  // namespace testing_support
