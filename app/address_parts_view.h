// The parts of the 住所から郵便番号 dialog's answer: seven read-only boxes,
// the normalised line, and its button that copies the line.
#pragma once

#include <windows.h>

#include <string>

#include "resolver/resolver.h"

namespace kuranto {

// Fills the boxes from `address` as `resolution` read it; empty boxes where
// the answer has no parts.
void ShowAddressParts(HWND dialog, const resolver::AddressBook& book, const resolver::Resolution& resolution,
                      const std::string& address);
// Empties them (an address of no municipality).
void ClearAddressParts(HWND dialog);
// IDC_PARTS_COPY: the normalised line to the clipboard, when there is one.
void CopyNormalizedAddress(HWND dialog);

}  // namespace kuranto
