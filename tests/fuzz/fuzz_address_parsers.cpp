// The line parsers and text helpers over arbitrary bytes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "postal/records.h"
#include "postal/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string line = bytes.substr(0, 600);
  line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());

  postal::AddressRecord address;
  postal::OfficeRecord office;
  for (int kind = -1; kind <= 4; ++kind) postal::ParseAddressKey(line.c_str(), address, kind);
  postal::ParseAddressNames(line.c_str(), address);
  postal::ParseOfficeLine(line.c_str(), office);
  std::string writable = line;
  postal::ParseAddressLine(&writable[0], address);
  for (int i = 0; i < postal::kAddressSlotCount; ++i) {
    if (std::strlen(postal::AddressSlot(address, i)) >= postal::AddressSlotWidth(i)) __builtin_trap();
  }
  for (int i = 0; i < postal::kOfficeSlotCount; ++i) {
    if (std::strlen(postal::OfficeSlot(office, i)) >= postal::OfficeSlotWidth(i)) __builtin_trap();
  }

  // Split the bytes into a needle and a hay at the first byte's value.
  const size_t cut = line.empty() ? 0 : static_cast<unsigned char>(line[0]) % (line.size() + 1);
  const std::string needle = line.substr(0, cut), hay = line.substr(cut);
  postal::ContainsText(needle.c_str(), hay.c_str());
  postal::MatchWildcard(needle.c_str(), hay.c_str());
  postal::MatchWildcard("*-*", line.c_str());
  std::string removed = line;
  postal::RemoveChar(&removed[0], &removed[0], '-');

  std::string dir, name;
  postal::SplitPath(line, dir, name);
  if (!line.empty()) {
    std::string path = line;
    postal::AppendBackslash(path);
  }
  if (postal::TruncateText(line, 7).size() > 7) __builtin_trap();
  return 0;
}
