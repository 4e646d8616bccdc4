// How many answers had each status or agreement, counted by name so that a
// new status is counted and summed without anyone indexing by position.
#pragma once

#include <cstddef>

#include "resolver/resolver.h"

namespace resolver {

// The last enumerator of each names the count.
constexpr size_t kStatusCount = static_cast<size_t>(Status::kNone) + 1;
constexpr size_t kAgreementCount = static_cast<size_t>(Agreement::kOffice) + 1;

template <class Enum, size_t kCount>
class CountsBy {
 public:
  static constexpr size_t kSize = kCount;

  void Add(Enum value, size_t n = 1) { counts_[static_cast<size_t>(value)] += n; }
  void Add(const CountsBy& later) {
    for (size_t i = 0; i < kCount; ++i) counts_[i] += later.counts_[i];
  }
  size_t operator[](Enum value) const { return counts_[static_cast<size_t>(value)]; }
  size_t Total() const {
    size_t total = 0;
    for (const size_t count : counts_) total += count;
    return total;
  }
  // Every value in order, for a summary that lists them all.
  static Enum At(size_t index) { return static_cast<Enum>(index); }

 private:
  size_t counts_[kCount] = {};
};

using StatusCounts = CountsBy<Status, kStatusCount>;
using AgreementCounts = CountsBy<Agreement, kAgreementCount>;

}  // namespace resolver
