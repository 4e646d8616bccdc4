// Addresses with the answer the resolver must give over the real address file.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resolver/resolver.h"
#include "tests/core/real_book.h"
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

// Tables of cases over the real address file, skipped without it.
class RealResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    book_ = RealAddressBook();
    if (book_ == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  }
  void Check(const std::vector<ResolverCase>& cases) const { CheckResolutions(*book_, cases); }

  const resolver::AddressBook* book_ = nullptr;
};

}  // namespace testing_support
