// Lines in the published layout, shared by the native and the Wine tests.
#pragma once

#include <string>
#include <vector>

namespace test_lines {

// One line of the all-address file as Japan Post writes it.
inline std::string AddressLine(const std::string& code, const std::string& oldNumber, const std::string& newNumber,
                               const std::string& prefKana, const std::string& cityKana, const std::string& townKana,
                               const std::string& pref, const std::string& city, const std::string& town) {
  return code + ",\"" + oldNumber + "\",\"" + newNumber + "\",\"" + prefKana + "\",\"" + cityKana + "\",\"" +
         townKana + "\",\"" + pref + "\",\"" + city + "\",\"" + town + "\",0,0,0,0,0,0";
}

// Lines joined with CR LF, as Japan Post writes them.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\r\n";
  return all;
}

}  // namespace test_lines
