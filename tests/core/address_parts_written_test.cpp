// The parts of real addresses as a user writes them: the building byte for
// byte as written in UTF-8 or cp932, every hyphen and separator giving the
// plain form's answer, and the parts that stand in an odd place.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "datafiles/file_access.h"
#include "lists/csv_encoding.h"
#include "lists/csv_reader.h"
#include "resolver/address_parts.h"
#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

// Literals here are cp932; u8 literals stay UTF-8.
struct Answer {
  resolver::Resolution r;
  resolver::AddressParts parts;
  bool has = false;
  std::string written;  // the address as given (kept: the parts view it)
  std::string cp932;
  std::vector<uint32_t> offsets;

  std::string Parts() const {
    std::string all = resolver::StatusName(r.status) + std::string(" ") + r.postalCode;
    for (int i = 0; i < resolver::kSplitPartCount; ++i) {
      all += '|';
      resolver::AppendPart(parts, i, true, all);
    }
    return all;
  }
};

// Resolves `address` as the query tool and the lists do: UTF-8 through its
// cp932 conversion, cp932 as it is.
void ResolveWritten(const resolver::AddressBook& book, const std::string& address, bool utf8, Answer& a) {
  a.written = address;
  if (utf8) {
    lists::CellAsCp932(a.written, a.cp932, &a.offsets);
  } else {
    a.cp932 = a.written;
  }
  resolver::Resolve(book, a.cp932, a.r);
  resolver::AddressPartsReader reader;
  a.has = utf8 ? reader.Read(book, a.r, resolver::WrittenAddress{a.cp932, a.written, a.offsets}, a.parts)
               : reader.Read(book, a.r, a.cp932, a.parts);
}

std::string Utf8(const std::string& cp932) { return testing_support::ToUtf8(cp932); }

TEST(AddressPartsWritten, BuildingComesBackAsWrittenInEitherEncoding) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  const struct {
    std::string address;
    bool utf8;
    std::string building;
  } cases[] = {
      {u8"東京都港区赤坂1-2-3 Café 𠮷野ビル 2F", true, u8"Café 𠮷野ビル 2F"},
      {u8"東京都港区赤坂1-2-3ゔぃら", true, u8"ゔぃら"},
      {u8"東京都港区赤坂1-2-3 スカイ™", true, u8"スカイ™"},
      {u8"東京都港区赤坂1-2-3 ビル🏢", true, u8"ビル🏢"},
      {u8"東京都港区赤坂1-2-3 ＫＳビル\u301C", true, u8"ＫＳビル\u301C"},  // not U+FF5E
      {u8"東京都港区赤坂1-2-3 \uE000ビル\uF8FF", true, u8"\uE000ビル\uF8FF"},
      {u8"東京都中央区銀座4–6–16 Café–1", true, u8"Café–1"},
      // cp932 as it is, the NEC and IBM copies of one kanji kept apart
      {"東京都港区赤坂1-2-3 髙橋ビル～", false, "髙橋ビル～"},
      {"東京都港区赤坂1-2-3 \xED\x40ビル", false, "\xED\x40ビル"},
  };
  for (const auto& c : cases) {
    Answer a;
    ResolveWritten(*book, c.address, c.utf8, a);
    const std::string shown = c.utf8 ? c.address : Utf8(c.address);
    ASSERT_TRUE(a.has) << shown;
    EXPECT_EQ(c.building, std::string(a.parts.building)) << shown;
    std::string normalized;
    resolver::AppendPart(a.parts, resolver::kNormalizedPart, c.utf8, normalized);
    EXPECT_EQ(c.building, normalized.substr(normalized.size() - std::min(normalized.size(), c.building.size())))
        << shown;
  }
}

// Every hyphen between numbers, ノ as の, and every separator before a
// building give the plain form's answer and parts.
TEST(AddressPartsWritten, HyphensJoinersAndSeparatorsGiveThePlainAnswer) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  const char* const hyphens[] = {"-", u8"－", u8"‐", u8"―", u8"−", u8"ー", u8"ｰ", u8"–", u8"‑", u8"‒", u8"﹣", u8"⁃"};
  const char* const separators[] = {"", " ", u8"　", u8"・", u8"、", u8"，", ",", "-"};
  Answer plain, varied;
  for (const char* hyphen : hyphens) {
    ResolveWritten(*book, u8"東京都中央区銀座4" + std::string(hyphen) + "6" + hyphen + "16", true, varied);
    EXPECT_EQ(u8"exact 1040061|東京都|中央区|銀座||4|6-16|", varied.Parts()) << hyphen;
  }
  for (const char* joiner : {u8"の", u8"ノ"}) {
    ResolveWritten(*book, u8"東京都中央区銀座4" + std::string(joiner) + "6" + joiner + "16", true, varied);
    EXPECT_EQ(u8"exact 1040061|東京都|中央区|銀座||4|6-16|", varied.Parts()) << joiner;
  }
  for (const char* building : {u8"赤坂パークビル", u8"赤坂ビル", u8"アーク森ビル"}) {
    ResolveWritten(*book, u8"東京都港区赤坂1-2-3 " + std::string(building), true, plain);
    for (const char* separator : separators) {
      ResolveWritten(*book, u8"東京都港区赤坂1-2-3" + std::string(separator) + building, true, varied);
      EXPECT_EQ(plain.Parts(), varied.Parts()) << separator << building;
    }
  }
}

// Parts that stand in an odd place, and numbers after a complete lot, each
// read alike from cp932 and from UTF-8: status code|prefecture|city|town|
// subarea|chome|lot|building, then the normalized line.
TEST(AddressPartsWritten, PartsInTheirPlace) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  const struct {
    const char* address;
    const char* parts;
    const char* normalized;
  } cases[] = {
      // a room's number after a complete lot, however it is written
      {"東京都港区赤坂1-2-3 405号", "exact 1070052|東京都|港区|赤坂||1|2-3|405号", "東京都港区赤坂1丁目2-3 405号"},
      {"東京都港区赤坂1-2-3-405号", "exact 1070052|東京都|港区|赤坂||1|2-3|405号", nullptr},
      {"東京都港区赤坂一丁目2番3-405号", "exact 1070052|東京都|港区|赤坂||1|2-3|405号", nullptr},
      {"東京都港区赤坂1-2-3 405", "exact 1070052|東京都|港区|赤坂||1|2-3|405", nullptr},
      {"北海道札幌市中央区南七条西１丁目２１番１－２号", "exact 0640807|北海道|札幌市中央区|南七条西||1|21-1-2|",
       nullptr},
      // an old ward before the town belongs to the municipality
      {"静岡県浜松市中区板屋町111-2", "exact 4300928|静岡県|浜松市中央区|板屋町|||111-2|",
       "静岡県浜松市中央区板屋町111-2"},
      {"浜松市北区細江町気賀1-2", "exact 4311305|静岡県|浜松市浜名区|細江町気賀|||1-2|", nullptr},
      // a record for a range of 地割: the town, and the 地割 in the lot
      {"岩手県九戸郡洋野町種市第23地割27-1", "exact 0287914|岩手県|九戸郡洋野町|種市|||23-27-1|",
       "岩手県九戸郡洋野町種市第23地割27-1"},
      {"岩手県九戸郡洋野町種市第二十三地割二十七番地一", "exact 0287914|岩手県|九戸郡洋野町|種市|||23-27-1|", nullptr},
      // the side of a town (本郷通（南）), and a 字 after a town without numbers
      {"札幌市白石区本郷通8丁目南1-1", "exact 0030024|北海道|札幌市白石区|本郷通|南|8|1-1|", nullptr},
      {"東京都小笠原村父島字東町", "exact 1002101|東京都|小笠原村|父島|字東町|||", nullptr},
      // a municipality named without its island
      {"東京都三宅村阿古", "exact 1001212|東京都|三宅島三宅村|阿古||||", nullptr},
      {"東京都八丈町三根", "exact 1001511|東京都|八丈島八丈町|三根||||", nullptr},
  };
  Answer a;
  for (const auto& c : cases) {
    for (const bool utf8 : {false, true}) {
      ResolveWritten(*book, utf8 ? Utf8(c.address) : std::string(c.address), utf8, a);
      EXPECT_EQ(Utf8(c.parts), a.Parts()) << Utf8(c.address) << (utf8 ? " (UTF-8)" : " (cp932)");
      std::string normalized;
      resolver::AppendPart(a.parts, resolver::kNormalizedPart, true, normalized);
      if (c.normalized != nullptr) {
        EXPECT_EQ(Utf8(c.normalized), normalized) << Utf8(c.address);
      }
    }
  }
}

// A resolution whose offsets do not fall on the address's characters (one
// made for another text) gives no parts rather than a cut character.
TEST(AddressPartsWritten, OffsetsOffTheCharactersGiveNoParts) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  Answer a;
  ResolveWritten(*book, "東京都港区赤坂1-2-3 赤坂ビル", false, a);
  ASSERT_TRUE(a.has);
  const resolver::Resolution good = a.r;
  const struct {
    const char* what;
    size_t resolver::Resolution::*offset;
    long shift;
  } cases[] = {
      {"town's end in a character", &resolver::Resolution::townEnd, -1},
      {"town's start in a character", &resolver::Resolution::townBegin, 1},
      {"city's end in a character", &resolver::Resolution::cityEnd, -1},
      {"town's end past the text", &resolver::Resolution::townEnd, 1000},
  };
  resolver::AddressPartsReader reader;
  for (const auto& c : cases) {
    resolver::Resolution r = good;
    r.*c.offset = static_cast<size_t>(static_cast<long>(r.*c.offset) + c.shift);
    EXPECT_FALSE(reader.Read(*book, r, a.cp932, a.parts)) << c.what;
    EXPECT_TRUE(a.parts.building.empty()) << c.what;
  }
}

// Every office of JIGYOSYO.CSV written with each hyphen and joiner between
// its lot's numbers, and with each separator before its building: the
// plain form's status, code and parts.
TEST(AddressPartsWritten, EveryOfficeWrittenAnyWayGivesThePlainAnswer) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  const std::string path = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (book == nullptr || path.empty()) GTEST_SKIP() << "no KEN_ALL.CSV or JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  std::string bytes;
  ASSERT_TRUE(datafiles::ReadSmallFile(path, bytes));
  const std::vector<std::string> joiners = {"-", u8"－", u8"‐", u8"―", u8"−", u8"ー", u8"ｰ", u8"–",
                                            u8"‑", u8"‒", u8"﹣", u8"⁃", u8"の", u8"ノ"};
  const std::vector<std::string> separators = {" ", u8"　", u8"・", u8"、", u8"，", ",", "-"};
  lists::CsvReader reader(bytes.data(), bytes.size());
  lists::CsvRow row;
  Answer plain, varied;
  size_t offices = 0, hyphenated = 0, withBuilding = 0, tried = 0, failures = 0;
  while (reader.Next(row) == lists::CsvReader::kRow) {
    if (row.cells.size() < 8) continue;
    ++offices;
    const std::string cp932 = row.cells[3] + row.cells[4] + row.cells[5] + row.cells[6];
    ResolveWritten(*book, Utf8(cp932), true, plain);
    // a city answer's subarea is the rest as written, hyphens and all
    if (!plain.has || plain.r.status == resolver::Status::kCity) continue;
    const std::string& address = plain.written;
    const std::string expected = plain.Parts();
    const size_t buildingAt = plain.parts.building.empty() ? address.size()
                                                            : static_cast<size_t>(plain.parts.building.data() - address.data());
    // the lot: its last hyphen-joined digits before the building
    const std::string head = address.substr(0, buildingAt), tail = address.substr(buildingAt);
    std::vector<size_t> dashes;  // '-' or '－' between two digits in the head
    for (size_t i = 1; i + 1 < head.size(); ++i) {
      const size_t width = head[i] == '-' ? 1 : head.compare(i, 3, u8"－") == 0 ? 3 : 0;
      const auto digit = [&](size_t at) { return at < head.size() && head[at] >= '0' && head[at] <= '9'; };
      const bool wideDigitBefore = i >= 3 && head.compare(i - 3, 2, "\xEF\xBC") == 0;
      if (width != 0 && (digit(i - 1) || wideDigitBefore) && (digit(i + width) || head.compare(i + width, 2, "\xEF\xBC") == 0)) {
        dashes.push_back(i);
        i += width - 1;
      }
    }
    const auto check = [&](const std::string& written, const std::string& what) {
      ++tried;
      ResolveWritten(*book, written, true, varied);
      if (varied.Parts() != expected && ++failures <= 10) ADD_FAILURE() << written << " (" << what << "): " << varied.Parts() << " for " << expected;
    };
    if (!dashes.empty()) {
      ++hyphenated;
      for (const std::string& joiner : joiners) {
        std::string written;
        size_t from = 0;
        for (const size_t at : dashes) {
          written += head.substr(from, at - from) + joiner;
          from = at + (head[at] == '-' ? 1 : 3);
        }
        check(written + head.substr(from) + tail, joiner);
      }
    }
    if (!tail.empty()) {
      ++withBuilding;
      std::string trimmed = head;  // without the separator the office wrote
      while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '-')) trimmed.pop_back();
      const bool digitEnd = !trimmed.empty() && trimmed.back() >= '0' && trimmed.back() <= '9';
      const bool digitStart = tail[0] >= '0' && tail[0] <= '9';
      if (trimmed.size() == head.size() && (!digitEnd || !digitStart)) {
        for (const std::string& separator : separators) check(trimmed + separator + tail, separator);
      }
    }
  }
  EXPECT_EQ(0u, failures);
  std::printf("offices %zu: with hyphens in the lot %zu, with a building %zu; forms tried %zu, differing %zu\n", offices,
              hyphenated, withBuilding, tried, failures);
}

}  // namespace
