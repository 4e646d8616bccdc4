// Towns written as people write them rather than as Japan Post does, one
// sweep per kind over KEN_ALL.CSV: a numbered town written as its lot, a
// special ward written without 東京都, a name in a looser spelling. A
// looser reading may leave the answer ambiguous, never exact and wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "postal/text.h"
#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/resolver_cases.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Status;

class ResolverSpellings : public testing_support::RealResolverTest {
 protected:
  // How the addresses of one sweep came out.
  struct Tally {
    int tried = 0, exact = 0, among = 0, wrong = 0;
  };
  // Resolves `address`, meant for record `record`, into `tally`.
  void Try(const std::string& address, size_t record, Tally& tally) const {
    resolver_->Resolve(address, r_);
    ++tally.tried;
    const std::string own(book_->Record(record).postalCode);
    if (r_.status == Status::kExact && r_.postalCode == own) {
      ++tally.exact;
    } else if (r_.status == Status::kExact) {
      if (++tally.wrong <= 20) {
        ADD_FAILURE() << testing_support::ToUtf8(address) << " => " << r_.postalCode << ", the line has " << own;
      }
    } else if (std::find(r_.candidates.begin(), r_.candidates.end(), record) != r_.candidates.end()) {
      ++tally.among;
    }
  }
  static void Print(const char* kind, const Tally& t) {
    std::printf("%s: %d addresses, exact %d, ambiguous with their own %d, wrong exact %d\n", kind, t.tried, t.exact,
                t.among, t.wrong);
  }
  void SetUp() override {
    RealResolverTest::SetUp();
    if (book_ != nullptr) resolver_ = std::make_unique<resolver::Resolver>(*book_);
  }
  mutable resolver::Resolution r_;
  std::unique_ptr<resolver::Resolver> resolver_;
};

bool Has(const std::string& text, const std::string& word) { return text.find(word) != std::string::npos; }

// The characters of cp932 text.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    const size_t n = i + 1 < text.size() && postal::IsDoubleByte(text.c_str() + i) ? 2 : 1;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

// A kanji numeral of up to 99 (十一, 二十, 六) as digits, "" for none.
std::string KanjiNumber(const std::vector<std::string>& chars) {
  static const std::vector<std::string> digits = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  int total = 0, digit = -1;
  for (const std::string& c : chars) {
    const auto at = std::find(digits.begin(), digits.end(), c);
    if (c == "十") {
      total += (digit < 0 ? 1 : digit) * 10;
      digit = -1;
    } else if (at != digits.end()) {
      digit = static_cast<int>(at - digits.begin());
    } else {
      return std::string();
    }
  }
  return chars.empty() ? std::string() : std::to_string(total + std::max(digit, 0));
}

// Every town of one code whose name is a name, a number and 条 or 番町
// ("花川南一条", "桔梗が丘１番町", "大門六番町"), written with the number as
// the lot's first: "花川南1-2-3".
TEST_F(ResolverSpellings, NumberedTownsWrittenAsTheirLot) {
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    const std::string town(record.town);
    if (Has(town, "（")) continue;
    for (const std::string ending : {"条", "番町"}) {
      if (town.size() <= ending.size() || town.compare(town.size() - ending.size(), ending.size(), ending) != 0) {
        continue;
      }
      std::vector<std::string> chars = Characters(town.substr(0, town.size() - ending.size()));
      size_t begin = chars.size();
      const auto full = [](const std::string& c) { return c >= "０" && c <= "９" && c.size() == 2; };
      while (begin > 0 && (full(chars[begin - 1]) || !KanjiNumber({chars[begin - 1]}).empty() ||
                           chars[begin - 1] == "十")) {
        --begin;
      }
      if (begin == 0 || begin == chars.size()) continue;
      std::string number, base;
      for (size_t k = 0; k < begin; ++k) base += chars[k];
      if (full(chars[begin])) {
        for (size_t k = begin; k < chars.size(); ++k) number += static_cast<char>('0' + (chars[k][1] - "０"[1]));
      } else {
        number = KanjiNumber(std::vector<std::string>(chars.begin() + begin, chars.end()));
      }
      if (number.empty()) continue;
      Try(std::string(record.prefecture) + std::string(record.city) + base + number + "-2-3", i, tally);
    }
  }
  Print("numbered towns written as their lot", tally);
  EXPECT_GT(tally.tried, 600);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact, tally.tried * 95 / 100);
}

// Every grid town whose 条 has a side after it ("東一条南", "八軒一条西",
// "緑ケ丘一条通"), written in shorthand without its 条: "東1南2-3" and
// "東1-南2-3". A shorter town with the side taken as lot (東町) must not win.
TEST_F(ResolverSpellings, GridTownsWrittenWithoutTheirJo) {
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    const std::vector<std::string> chars = Characters(std::string(record.town));
    const auto jo = std::find(chars.begin(), chars.end(), "条");
    if (jo == chars.end() || jo + 1 == chars.end() || Has(std::string(record.town), "（")) continue;
    const std::string side = *(jo + 1);
    if (side != "東" && side != "西" && side != "南" && side != "北" && side != "通") continue;
    auto numeral = jo;
    while (numeral != chars.begin() && (!KanjiNumber({*(numeral - 1)}).empty() || *(numeral - 1) == "十")) --numeral;
    const std::string number = KanjiNumber(std::vector<std::string>(numeral, jo));
    if (number.empty()) continue;
    std::string base, after;
    for (auto c = chars.begin(); c != numeral; ++c) base += *c;
    for (auto c = jo + 1; c != chars.end(); ++c) after += *c;
    const std::string place = std::string(record.prefecture) + std::string(record.city) + base + number;
    Try(place + after + "2-3", i, tally);
    Try(place + "-" + after + "2-3", i, tally);
  }
  Print("grid towns without their 条", tally);
  EXPECT_GT(tally.tried, 800);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact, tally.tried * 95 / 100);
}

// Every town of Tokyo's 23 wards with one code, written as lists write it:
// the ward without 東京都, the town, a lot. A designated city's ward of the
// same name without its city (大阪市中央区) is the looser reading.
TEST_F(ResolverSpellings, SpecialWardsWrittenAlone) {
  std::map<std::string, std::set<std::string>> codes;  // ward + town → codes
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    codes[std::string(r.city) + town.substr(0, town.find("（"))].insert(std::string(r.postalCode));
  }
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string city(r.city), town(r.town);
    if (std::string(r.cityCode).compare(0, 3, "131") != 0 || Has(town, "（") || town == "以下に掲載がない場合" ||
        codes[city + town].size() != 1) {
      continue;
    }
    Try(city + town + "1-1", i, tally);
  }
  Print("special wards' towns written alone", tally);
  EXPECT_GT(tally.tried, 800);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_EQ(tally.tried, tally.exact);
}

// Each character of a town's name that people write another way, written
// so: ツ as ッ, ヤ as ャ, ケ as ヶ, 二 as ニ (and back), ノ as 之, a ノ left out.
// The spelling must find its town, or leave the answer open with it.
TEST_F(ResolverSpellings, TownsInALooserSpelling) {
  const std::vector<std::pair<std::string, std::string>> swaps = {
      {"ツ", "ッ"}, {"ッ", "ツ"}, {"ヤ", "ャ"}, {"ャ", "ヤ"}, {"ユ", "ュ"}, {"ヨ", "ョ"}, {"ケ", "ヶ"}, {"ヶ", "が"},
      {"が", "ヶ"}, {"ニ", "二"}, {"二", "ニ"}, {"口", "ロ"}, {"タ", "夕"}, {"夕", "タ"}, {"工", "エ"}, {"八", "ハ"},
      {"ハ", "八"}, {"カ", "力"}, {"之", "ノ"}, {"ノ", "之"}, {"ノ", ""}, {"の", ""}, {"卜", "ト"}};
  std::set<std::string> names;  // municipality code + town as written
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    names.insert(std::string(r.cityCode) + town.substr(0, town.find("（")));
  }
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    if (Has(town, "（") || town == "以下に掲載がない場合" || Has(town, "の次に")) continue;
    const std::vector<std::string> chars = Characters(town);
    for (const auto& [from, to] : swaps) {
      const auto at = std::find(chars.begin(), chars.end(), from);
      if (at == chars.end() || at == chars.begin()) continue;  // a first ノ is no joint
      std::string written;
      for (auto c = chars.begin(); c != chars.end(); ++c) written += c == at ? to : *c;
      // another town's own name, or with its 町 left out (宮ノ前 as 宮前, 宮前町's)
      const std::string own = std::string(r.cityCode) + written;
      if (names.count(own) != 0 || names.count(own + "町") != 0) continue;
      // a numeral beside it: 十ニ条 and 1通り are numbers, no names
      const std::string before = *(at - 1);
      const bool numeral = (before >= "０" && before <= "９") || !KanjiNumber({before}).empty() || before == "十";
      if (numeral && (to.empty() || from == "二" || to == "二" || from == "ニ")) continue;
      Try(std::string(r.prefecture) + std::string(r.city) + written + "100", i, tally);
    }
  }
  Print("towns in a looser spelling", tally);
  EXPECT_GT(tally.tried, 5000);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact + tally.among, tally.tried * 95 / 100);
}

// Each character of a municipality's name that people write another way
// (八 as ハ, 之 as の, ケ as ヶ), written so before each of its towns. A ノ
// left out is not among them: 山内町 is a town of 武雄市, not 山ノ内町.
TEST_F(ResolverSpellings, MunicipalitiesInALooserSpelling) {
  const std::vector<std::pair<std::string, std::string>> swaps = {
      {"ケ", "ヶ"}, {"ヶ", "ケ"}, {"ニ", "二"}, {"二", "ニ"}, {"タ", "夕"}, {"夕", "タ"}, {"八", "ハ"},
      {"之", "の"}, {"之", "ノ"}, {"ノ", "の"}, {"の", "ノ"}, {"口", "ロ"}, {"ツ", "ッ"}};
  std::set<std::string> cities;  // prefecture + municipality, as Japan Post writes them
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    cities.insert(std::string(book_->Record(i).prefecture) + std::string(book_->Record(i).city));
  }
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    if (Has(town, "（") || town == "以下に掲載がない場合" || Has(town, "の次に")) continue;
    const std::vector<std::string> chars = Characters(std::string(r.city));
    for (const auto& [from, to] : swaps) {
      const auto at = std::find(chars.begin(), chars.end(), from);
      if (at == chars.end() || (to.empty() && at == chars.begin())) continue;
      std::string written;
      for (auto c = chars.begin(); c != chars.end(); ++c) written += c == at ? to : *c;
      if (cities.count(std::string(r.prefecture) + written) != 0) continue;
      Try(std::string(r.prefecture) + written + town + "100", i, tally);
    }
  }
  Print("municipalities in a looser spelling", tally);
  EXPECT_GT(tally.tried, 4000);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact + tally.among, tally.tried * 95 / 100);
}

// Every town named after another town of its municipality (四谷三栄町
// after 四谷), written without that name: "新宿区三栄町100".
TEST_F(ResolverSpellings, TownsWrittenWithoutTheirDistrict) {
  std::map<std::string, std::set<std::string>> towns;  // municipality code → town names
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    towns[std::string(r.cityCode)].insert(town.substr(0, town.find("（")));
  }
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    if (Has(town, "（") || Has(town, "の次に")) continue;
    const std::set<std::string>& names = towns[std::string(r.cityCode)];
    const std::vector<std::string> chars = Characters(town);
    std::string district;
    for (size_t k = 0; k + 2 < chars.size(); ++k) {
      district += chars[k];
      if (k == 0 || names.count(district) == 0) continue;
      const std::string tail = town.substr(district.size());
      // a name that is a town's own, or begins one, is read as written
      const auto next = names.lower_bound(tail);
      if (next != names.end() && next->compare(0, tail.size(), tail) == 0) continue;
      if (names.count(tail + "町") != 0) continue;
      Try(std::string(r.prefecture) + std::string(r.city) + tail + "100", i, tally);
    }
  }
  Print("towns written without their district", tally);
  EXPECT_GT(tally.tried, 1000);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact + tally.among, tally.tried * 90 / 100);
}

// Every Kyoto town whose note names a street clause, written with its first
// clause as people write one: 通り for 通, 西入る or 西入ル for 西入, 上ル for
// 上る, and the side of the street after it, then the town.
TEST_F(ResolverSpellings, KyotoStreetClausesAsPeopleWriteThem) {
  const std::vector<std::pair<std::string, std::string>> forms = {
      {"通", "通り"}, {"西入", "西入る"}, {"東入", "東入ル"}, {"上る", "上ル"}, {"下る", "下ル東側"}, {"西入", "西入西側"}};
  Tally tally;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    const size_t open = town.find("（");
    if (open == std::string::npos || std::string(r.city).compare(0, 6, "京都市") != 0) continue;
    std::string clause = town.substr(open + 2);
    clause = clause.substr(0, std::min(clause.find("、"), clause.find("）")));
    if (!Has(clause, "通") || Has(clause, "丁目") || Has(clause, "番")) continue;
    for (const auto& [from, to] : forms) {
      const size_t at = clause.rfind(from);
      if (at == std::string::npos) continue;
      const std::string written = clause.substr(0, at) + to + clause.substr(at + from.size());
      Try(std::string(r.prefecture) + std::string(r.city) + written + town.substr(0, open) + "1", i, tally);
    }
  }
  Print("Kyoto street clauses as people write them", tally);
  EXPECT_GT(tally.tried, 500);
  EXPECT_EQ(0, tally.wrong);
  EXPECT_GE(tally.exact + tally.among, tally.tried * 95 / 100);
}

// Every listed building whose name ends with タワー, ビル or ビルディング, made
// into another building of its complex (新宿住友ビル → 新宿住友ウィング): a
// name no line lists, so the town's 「次のビルを除く」 line, exact; and the
// listed name with a word before it (本館新宿住友ビル), which may be it.
TEST_F(ResolverSpellings, BuildingsOfAnotherNameTakeTheRestOfTheTown) {
  std::map<std::string, std::string> rest;  // municipality code + town → its 次のビルを除く code
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    const size_t open = town.find("（次のビルを除く）");
    if (open != std::string::npos) rest[std::string(r.cityCode) + town.substr(0, open)] = std::string(r.postalCode);
  }
  std::set<std::string> tried;
  int made = 0, toRest = 0, wrong = 0, withWord = 0, withWordOwnOrOpen = 0;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string town(r.town);
    const size_t open = town.find("（");
    if (open == std::string::npos || !Has(town, "階")) continue;
    for (const auto& [key, code] : rest) {
      const std::string city(r.cityCode);
      if (key.compare(0, city.size(), city) != 0) continue;
      const std::string base = key.substr(city.size());
      if (town.compare(0, base.size(), base) != 0 || open <= base.size()) continue;
      const std::string building = town.substr(base.size(), open - base.size());
      for (const std::string ending : {"ビルディング", "タワー", "ビル"}) {
        if (building.size() < ending.size() + 6 ||
            building.compare(building.size() - ending.size(), ending.size(), ending) != 0) {
          continue;
        }
        const std::string place = std::string(r.prefecture) + std::string(r.city) + base + "1-1 ";
        const std::string other = building.substr(0, building.size() - ending.size()) + "ウィング";
        if (!tried.insert(key + other).second) break;
        resolver_->Resolve(place + other + " 5階", r_);
        ++made;
        if (r_.status == Status::kExact && r_.postalCode == code) {
          ++toRest;
        } else if (r_.status == Status::kExact && ++wrong <= 10) {
          ADD_FAILURE() << testing_support::ToUtf8(place + other) << " => " << r_.postalCode;
        }
        resolver_->Resolve(place + "本館" + building, r_);  // no floor: its 7階 and up may be listed
        ++withWord;
        const bool itsOwn = std::string(book_->Record(i).cityCode) == city &&
                            std::find(r_.candidates.begin(), r_.candidates.end(), i) != r_.candidates.end();
        if (r_.status != Status::kExact || r_.postalCode != code || itsOwn) {
          ++withWordOwnOrOpen;
        } else {
          ADD_FAILURE() << testing_support::ToUtf8(place + "本館" + building) << " => " << r_.postalCode;
        }
        break;
      }
    }
  }
  std::printf("buildings of another name: %d, the rest of the town %d, wrong exact %d; "
              "a listed name with a word before it: %d, not taken for the rest %d\n",
              made, toRest, wrong, withWord, withWordOwnOrOpen);
  EXPECT_GT(made, 40);
  EXPECT_EQ(0, wrong);
  EXPECT_GE(toRest, made * 9 / 10);
  EXPECT_EQ(withWord, withWordOwnOrOpen);
}

// The addresses of the kinds above as real lists wrote them.
TEST_F(ResolverSpellings, AddressesFromRealLists) {
  Check({
      // grid towns in shorthand, and repeated prefixes, that once took a shorter town
      {"北海道石狩市花川南1-10-20", Status::kExact, "0613201"},
      {"北海道札幌市北区新川西1-4-32", Status::kExact, "0010931"},
      {"北海道砂川市空知太西5-1-37", Status::kExact, "0730175"},
      {"札幌市手稲区前田10-7-39", Status::kExact, "0060820"},
      {"北海道網走郡美幌町東1南2-3", Status::kExact, "0920041"},  // not 東町, lot 1南2-3
      {"帯広市緑ケ丘1通2-3", Status::kExact, "0800841"},
      {"札幌市中央区南1-西3", Status::kExact, "0600061"},
      {"札幌市北区新川1-2", Status::kAmbiguous, "0010930 0010921"},  // 新川 lot 1-2, or 新川1条2丁目
      {"福井県福井市福井県福井市東川上町20番地10", Status::kExact, "9102341"},
      {"三重県四日市市三重県四日市市浜田町28-8", Status::kExact, "5100067"},
      // the prefecture alone written again: no town begins with it (三重, 福) unless one reads it
      {"福井県福井市福井県", Status::kCity, "9180000"},
      {"三重県四日市市三重県浜田町28-8", Status::kExact, "5100067"},
      {"山口県山口市山口県流通センター1", Status::kExact, "7530872"},
      {"大阪府和泉市大阪府和泉市幸２－３－１", Status::kExact, "5940005"},
      {"宮城県仙台市宮城野区宮城県仙台市宮城野区榴ヶ岡１０１－１０", Status::kExact, "9830851"},
      // special wards written alone
      {"中央区日本橋小伝馬町１５番１７号 ＡＳＫ日本橋ビル４階", Status::kExact, "1030001"},
      {"港区浜松町一丁目２９番９号", Status::kExact, "1050013"},
      {"北区中里二丁目５番６号", Status::kExact, "1140015"},
      {"中央区入船１－５－４", Status::kExact, "1040042"},
      {"中央区松が丘1-1", Status::kAmbiguous, "2600807 2520223"},  // 千葉市's and 相模原市's
      // looser spellings
      {"横浜市神奈川区三ッ沢下町", Status::kExact, "2210852"},
      {"福岡県筑紫野市ニ日市北８－２－１", Status::kExact, "8180056"},
      {"千葉県旭市二１９２３－１", Status::kExact, "2892504"},
      {"福岡県北九州市門司区二夕松町", Status::kExact, "8000002"},
      {"犬山市裏ノ門５０", Status::kExact, "4840854"},
      {"奈良県大和郡山市池ノ内町１６７番地", Status::kExact, "6391027"},
      {"大分県大分市大字木ノ上４３３－１", Status::kExact, "8701161"},
      {"北海道タ張市本町1-1", Status::kExact, "0680403"},
      {"静岡県牧の原市相良100", Status::kExact, "4210522"},
      {"北九州市ハ幡東区祇園1-1", Status::kExact, "8050067"},
      {"福岡県北九州市八幡東区尾倉ニ丁目６番２号", Status::kExact, "8050059"},  // not 尾倉（大字）
      // numbered towns written as their lot
      {"三重県名張市桔梗が丘６－３－９２", Status::kExact, "5180626"},
      {"名張市桔梗が丘１－４－７０", Status::kExact, "5180621"},
      {"新潟県新潟市西区五十嵐３の町西１６番１３号", Status::kExact, "9502174"},
      {"長野県塩尻市大門６－４－３６", Status::kExact, "3990731"},
      {"長野県塩尻市大門７－４－３６", Status::kAmbiguous, "3990744 3990738"},  // 大門七区 and 大門七番町
      // towns written without their district
      {"東京都新宿区三栄町２－８", Status::kExact, "1600008"},
      {"千代田区三崎町二丁目１５番６号", Status::kExact, "1010061"},
      {"高知県高知市弘岡中２５０１", Status::kExact, "7810302"},
      // Kyoto's street clauses
      {"京都市下京区五条通り室町西入ル高橋第６ビル２Ｆ", Status::kExact, "6008096"},
      {"京都市上京区御車道通清和院口上る東側梶井町４４８番５９", Status::kExact, "6020841"},
      {"京都市上京区芦山寺通智恵光院西入る戌亥町１５０", Status::kExact, "6028497"},
      // buildings no line lists, in Latin letters or with a word of another's name
      {"千代田区大手町一丁目２番１号　Ｏｔｅｍａｃｈｉ　Ｏｎｅ　地下１階", Status::kExact, "1000004"},
      {"港区六本木一丁目６番３号　泉ガーデンウィング地下１階", Status::kExact, "1060032"},
      {"豊島区東池袋３丁目１番４号メゾンサンシャイン１１２７号室", Status::kExact, "1700013"},
      {"千代田区大手町2-6-4　ＴＯＫＹＯ　ＴＯＲＣＨ常盤橋タワー5階", Status::kExact, "1000004"},
  });
}

}  // namespace
