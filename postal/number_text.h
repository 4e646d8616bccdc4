// Numbers as people type them, made into what the number search takes.
#pragma once

#include <string>

namespace postal {

// cp932 in and out. Drops the leading run of "〒" and blanks (ASCII and
// full-width), turns full-width digits into ASCII and the dash-like
// characters typed for a hyphen (－ − ‐ ー ―) into "-", which the search
// removes. Everything else, trailing blanks included (an old number "107"
// with two blanks means the 3-digit number), stays as typed.
std::string NormalizeNumberText(const std::string& cp932);

}  // namespace postal
