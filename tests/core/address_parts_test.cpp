// The parts of resolved addresses over the real address file: names as
// Japan Post spells them, 丁目 and lot in one form, the building as written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <algorithm>
#include <cstdio>

#include "datafiles/file_access.h"
#include "lists/csv_reader.h"
#include "postal/text.h"
#include "resolver/address_parts.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

struct PartsCase {
  const char* address;
  const char* prefecture;
  const char* city;
  const char* town;
  const char* subarea;
  const char* chome;
  const char* lot;
  const char* building;
};

std::string Shown(std::string_view cp932) { return testing_support::ToUtf8(std::string(cp932)); }

TEST(AddressParts, EveryKindOfTownAndNumberAndBuilding) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  const std::vector<PartsCase> cases = {
      // numbers in every form, the building after every separator and after none
      {"東京都港区赤坂1-2-3 赤坂ビル４階", "東京都", "港区", "赤坂", "", "1", "2-3", "赤坂ビル４階"},
      {"港区赤坂一丁目二番三号、郵便ビル403号", "東京都", "港区", "赤坂", "", "1", "2-3", "郵便ビル403号"},
      {"東京都港区赤坂１－２－３・赤坂ビル", "東京都", "港区", "赤坂", "", "1", "2-3", "赤坂ビル"},
      {"東京都港区赤坂1丁目2番3号赤坂ビル", "東京都", "港区", "赤坂", "", "1", "2-3", "赤坂ビル"},
      {"東京都港区赤坂1-2-3-405", "東京都", "港区", "赤坂", "", "1", "2-3", "405"},
      {"北海道札幌市中央区南七条西１丁目２１番１－２号第３弘安ビル８Ｆ", "北海道", "札幌市中央区", "南七条西", "", "1",
       "21-1-2", "第３弘安ビル８Ｆ"},
      {"東京都中央区日本橋蛎殻町１丁目４－１ＦＫビル", "東京都", "中央区", "日本橋蛎殻町", "", "1", "4-1", "ＦＫビル"},
      {"東京都千代田区神田松永町２０－１０Ｆ", "東京都", "千代田区", "神田松永町", "", "", "20", "１０Ｆ"},
      {"東京都中央区八重洲1-2-3ニュー八重洲ビル", "東京都", "中央区", "八重洲", "", "1", "2-3", "ニュー八重洲ビル"},
      // the confusable ones: a kanji numeral after an Arabic lot begins the name
      {"東京都千代田区九段南２番地４三番町ＫＳビル１０階", "東京都", "千代田区", "九段南", "", "", "2-4",
       "三番町ＫＳビル１０階"},
      {"岩手県宮古市津軽石１５番５十五番館ビル", "岩手県", "宮古市", "津軽石", "", "", "15-5", "十五番館ビル"},
      {"岩手県宮古市津軽石９番地７千代田２１ビル", "岩手県", "宮古市", "津軽石", "", "", "9-7", "千代田２１ビル"},
      {"東京都港区赤坂１丁目５二引ビル", "東京都", "港区", "赤坂", "", "1", "5", "二引ビル"},
      // 番地 towns, 1の2, 地割 with a 小字, 大字 and 字
      {"岩手県宮古市津軽石第二十一地割大淵川480", "岩手県", "宮古市", "津軽石", "大淵川", "", "21-480", ""},
      {"青森県青森市浪岡大字高屋敷字野尻1524の23", "青森県", "青森市", "浪岡高屋敷", "字野尻", "", "1524-23", ""},
      {"茨城県猿島郡境町１２３番地", "茨城県", "猿島郡境町", "", "", "", "123", ""},
      {"石川県七尾市松百町８部３－１", "石川県", "七尾市", "松百町", "", "", "8-3-1", ""},
      {"新潟県新潟市中央区上大川前通八番町1251-1", "新潟県", "新潟市中央区", "上大川前通", "八番町", "", "1251-1", ""},
      // a town with its note, a grid town, a building's line
      {"札幌市中央区大通西5丁目", "北海道", "札幌市中央区", "大通西", "", "5", "", ""},
      {"札幌市中央区北1条西5丁目2-3", "北海道", "札幌市中央区", "北一条西", "", "5", "2-3", ""},
      {"東京都千代田区丸の内1-9-1グラントウキョウノースタワー３６階", "東京都", "千代田区", "丸の内", "", "1", "9-1",
       "グラントウキョウノースタワー３６階"},
      // Kyoto's street clause before the town and after it
      {"京都府京都市中京区河原町通四条上る米屋町123", "京都府", "京都市中京区", "米屋町", "河原町通四条上る", "",
       "123", ""},
      // a city answer: all that follows the municipality, as written
      {"北海道札幌市中央区ほげ町1-2", "北海道", "札幌市中央区", "", "ほげ町1-2", "", "", ""},
  };
  resolver::Resolution r;
  resolver::AddressParts parts;
  for (const PartsCase& c : cases) {
    resolver::Resolve(*book, c.address, r);
    const std::string shown = Shown(c.address);
    ASSERT_TRUE(resolver::ReadAddressParts(*book, r, c.address, parts)) << shown << " " << resolver::StatusName(r.status);
    EXPECT_EQ(Shown(c.prefecture), Shown(parts.prefecture)) << shown;
    EXPECT_EQ(Shown(c.city), Shown(parts.city)) << shown;
    EXPECT_EQ(Shown(c.town), Shown(parts.town)) << shown;
    EXPECT_EQ(Shown(c.subarea), Shown(parts.subarea)) << shown;
    EXPECT_EQ(c.chome, parts.chome) << shown;
    EXPECT_EQ(c.lot, parts.lot) << shown;
    EXPECT_EQ(Shown(c.building), Shown(parts.building)) << shown;
  }
  resolver::Resolve(*book, "東京都港区赤坂1-2-3 赤坂ビル４階", r);
  resolver::ReadAddressParts(*book, r, "東京都港区赤坂1-2-3 赤坂ビル４階", parts);
  EXPECT_EQ(Shown("東京都港区赤坂1丁目2-3 赤坂ビル４階"), Shown(parts.normalized));
  EXPECT_EQ(Shown("トウキョウト ミナトク アカサカ"), Shown(parts.prefectureKana + " " + parts.cityKana + " " + parts.townKana));
  resolver::Resolve(*book, "東京都ほげ市", r);
  EXPECT_FALSE(resolver::ReadAddressParts(*book, r, "東京都ほげ市", parts));
}

}  // namespace

namespace {

// The numbers the address writes: runs of digits (full-width or not), and
// runs of kanji numerals read as a number before 番 is read.
std::vector<std::string> WrittenNumbers(const std::string& address) {
  std::vector<std::string> numbers;
  std::string digits, kanji, spelled;
  const auto flush = [&] {
    if (!kanji.empty()) {
      resolver::NormalizeText(kanji + "番", spelled);
      digits = spelled.substr(0, spelled.find_first_not_of("0123456789"));
      kanji.clear();
    }
    while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
    if (!digits.empty()) numbers.push_back(digits);
    digits.clear();
  };
  for (size_t i = 0; i < address.size();) {
    const bool wide = i + 1 < address.size() && postal::IsDoubleByte(address.data() + i);
    const unsigned code = wide ? (static_cast<unsigned char>(address[i]) << 8 | static_cast<unsigned char>(address[i + 1]))
                               : static_cast<unsigned char>(address[i]);
    if (code >= '0' && code <= '9') {
      if (!kanji.empty()) flush();
      digits += static_cast<char>(code);
    } else if (code >= resolver::ch::kDigit0 && code <= resolver::ch::kDigit9) {
      if (!kanji.empty()) flush();
      digits += static_cast<char>('0' + (code - resolver::ch::kDigit0));
    } else if (wide && resolver::KanjiNumeralValue(code) >= 0) {
      if (!digits.empty()) flush();
      kanji.append(address, i, 2);
    } else {
      flush();
    }
    i += wide ? 2 : 1;
  }
  flush();
  return numbers;
}

// Every office of JIGYOSYO.CSV: the building is the end of its address,
// byte for byte, and every number of the lot and the 丁目 is one it writes.
TEST(AddressParts, RealOfficesKeepTheirBuildingAndWriteTheirNumbers) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  const std::string path = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (book == nullptr || path.empty()) GTEST_SKIP() << "no KEN_ALL.CSV or JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  std::string bytes;
  ASSERT_TRUE(datafiles::ReadSmallFile(path, bytes));
  lists::CsvReader reader(bytes.data(), bytes.size());
  lists::CsvRow row;
  resolver::Resolution r;
  resolver::AddressParts parts;
  size_t offices = 0, withParts = 0, withBuilding = 0, failures = 0;
  while (reader.Next(row) == lists::CsvReader::kRow) {
    const std::vector<std::string>& c = row.cells;
    if (c.size() < 8) continue;
    const std::string address = c[3] + c[4] + c[5] + c[6];
    ++offices;
    resolver::Resolve(*book, address, r);
    if (!resolver::ReadAddressParts(*book, r, address, parts)) continue;
    ++withParts;
    const std::string shown = Shown(address);
    const std::string_view whole = address;
    bool good = true;
    if (!parts.building.empty()) {
      ++withBuilding;
      const size_t at = static_cast<size_t>(parts.building.data() - address.data());
      good = parts.building.data() >= address.data() && at + parts.building.size() == whole.size() &&
             whole.substr(at) == parts.building;
    }
    const std::vector<std::string> written = WrittenNumbers(address);
    std::string numbers = parts.chome + "-" + parts.lot;
    for (size_t from = 0; from <= numbers.size();) {
      size_t dash = numbers.find('-', from);
      if (dash == std::string::npos) dash = numbers.size();
      const std::string number = numbers.substr(from, dash - from);
      if (!number.empty() && std::find(written.begin(), written.end(), number) == written.end()) good = false;
      from = dash + 1;
    }
    if (!good && ++failures <= 10) {
      ADD_FAILURE() << shown << ": " << parts.chome << " / " << parts.lot << " / " << Shown(parts.building);
    }
  }
  EXPECT_EQ(0u, failures);
  EXPECT_GT(withParts, offices * 9 / 10);
  std::printf("offices %zu, with parts %zu, with a building %zu\n", offices, withParts, withBuilding);
}

}  // namespace
