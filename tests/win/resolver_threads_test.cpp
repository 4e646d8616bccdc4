// Threads that each resolve buildings written in Latin letters and end, in
// the Windows build: its thread-local storage must hold none of their buffers.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/latin_threads.h"

TEST(ResolverThreads, ManyThreadsEachResolveLatinBuildingsAndEnd) {
  resolver::AddressBook book;
  const std::string bytes = test_lines::LatinBuildingBook();
  book.LoadFromMemory(bytes.data(), bytes.size());
  EXPECT_EQ(0, test_lines::LatinThreadMismatches(book, 16, 50));
}
