// The rows of a list made into labels: each address resolved, its code and
// customer barcode where the answer is exact and agrees with the list's own
// code, the building on a line of its own, the honorific added.
#pragma once

#include <string>
#include <vector>

#include "labels/label.h"
#include "resolver/resolver.h"

namespace kuranto {

// One row of a list. `address` is cp932, as the resolver reads it; the
// texts a label prints are UTF-8, so that a UTF-8 list keeps every
// character it wrote. `code` is the list's own code ("" for none).
struct LabelRow {
  long line = 0;
  std::string address;        // cp932
  std::string addressText;    // UTF-8, the same address as printed
  std::string code;           // cp932, as typed: "〒123-4567", full-width digits...
  std::string name, company, building;  // UTF-8; building "": taken from the address
};

std::vector<labels::Label> MakeLabels(const resolver::AddressBook& book, const std::vector<LabelRow>& rows,
                                      labels::HonorificRule honorific);

}  // namespace kuranto
