// Every record of the real address file made into an address and resolved:
// none may come back exact with another code. And the business offices of
// JIGYOSYO.CSV: how many land in their own municipality and town.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "postal/text.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/common/csv_lines.h"
#include "tests/core/test_support.h"

namespace {

// Byte offset of `word` in `text` at a character boundary, or npos.
size_t Find(const std::string& text, const std::string& word, size_t from = 0) {
  for (size_t i = from; i + word.size() <= text.size();) {
    if (text.compare(i, word.size(), word) == 0) return i;
    i += (i + 1 < text.size() && postal::IsDoubleByte(text.c_str() + i)) ? 2 : 1;
  }
  return std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& word) { return text.compare(0, word.size(), word) == 0; }

std::string Before(const std::string& text, const std::string& word) {
  const size_t at = Find(text, word);
  return at == std::string::npos ? text : text.substr(0, at);
}

bool EndsWith(const std::string& text, const std::string& word) {
  return text.size() >= word.size() && text.compare(text.size() - word.size(), std::string::npos, word) == 0;
}

// The digits (full-width, "－" between) at `pos`: their end.
size_t SkipNumber(const std::string& text, size_t pos) {
  while (pos + 1 < text.size()) {
    const unsigned code = static_cast<unsigned char>(text[pos]) << 8 | static_cast<unsigned char>(text[pos + 1]);
    if (!((code >= resolver::ch::kDigit0 && code <= resolver::ch::kDigit9) || code == resolver::ch::kMinus)) break;
    pos += 2;
  }
  return pos;
}

// A range of the note made into its low end: "１～１９丁目" gives "１丁目",
// "第９地割～第１１地割" gives "第９地割", "西５～８線７９～１１０番地" gives
// "西５線７９番地". A place name stays.
std::string LowEnd(const std::string& entry) {
  const size_t wave = Find(entry, "～");
  if (wave == std::string::npos) return Before(Before(Before(entry, "以上"), "以下"), "以降");
  const std::string low = entry.substr(0, wave);
  size_t after = wave + 2;
  if (entry.compare(after, 2, "第") == 0) after += 2;
  const size_t unitStart = SkipNumber(entry, after);
  const char* const units[] = {"丁目", "番地", "番", "号", "地割", "線", "条"};
  for (const char* unit : units) {
    if (entry.compare(unitStart, std::string(unit).size(), unit) != 0) continue;
    const std::string rest = LowEnd(entry.substr(unitStart + std::string(unit).size()));
    return (EndsWith(low, unit) ? low : low + unit) + rest;
  }
  return low;
}

std::string FirstEntry(const std::string& note) { return LowEnd(Before(Before(Before(note, "、"), "・"), "「")); }

// An address that the record's own note takes, or "" when none is made.
std::string AddressOf(const resolver::TownRecord& r) {
  const std::string town(r.town);
  if (town == "以下に掲載がない場合" || Find(town, "の次に") != std::string::npos) return std::string();
  const size_t open = Find(town, "（");
  const std::string base = town.substr(0, open);
  const std::string place = std::string(r.prefecture) + std::string(r.city);
  if (open == std::string::npos) return place + base;
  if (Find(town, "）（") != std::string::npos) return std::string();
  const size_t close = town.rfind("）");
  if (close == std::string::npos || close < open) return std::string();  // cut short
  const std::string note = town.substr(open + 2, close - open - 2);
  if (note == "その他" || note == "次のビルを除く" || note == "地階・階層不明" || note == "丁目" || note == "番地") {
    return place + base;
  }
  const std::string entry = FirstEntry(note);
  if (Find(entry, "上る") != std::string::npos || Find(entry, "下る") != std::string::npos ||
      Find(entry, "東入") != std::string::npos || Find(entry, "西入") != std::string::npos) {
    return place + entry + base;
  }
  if (Find(note, "除く") != std::string::npos || Find(note, "以外") != std::string::npos) return place + base;
  return place + base + entry;
}

class ResolverSweep : public ::testing::Test {
 protected:
  void SetUp() override {
    book_ = testing_support::RealAddressBook();
    if (book_ == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  }
  static const resolver::AddressBook* book_;
};
const resolver::AddressBook* ResolverSweep::book_ = nullptr;

TEST_F(ResolverSweep, NoRecordResolvesExactToAnotherCode) {
  resolver::Resolution r;
  int made = 0, own = 0, wrong = 0;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord& record = book_->Record(i);
    const std::string address = AddressOf(record);
    if (address.empty()) continue;
    ++made;
    // As written, without the prefecture (where a city name may be shared),
    // and with 大字 before the town.
    const std::string place = std::string(record.prefecture) + std::string(record.city);
    const std::string forms[] = {address, address.substr(record.prefecture.size()),
                                 place + "大字" + address.substr(place.size())};
    for (const std::string& form : forms) {
      resolver::Resolve(*book_, form, r);
      if (r.status == resolver::Status::kExact && r.postalCode != record.postalCode) {
        ++wrong;
        ADD_FAILURE() << testing_support::ToUtf8(form) << " => " << r.postalCode << ", the line has "
                      << record.postalCode << " " << testing_support::ToUtf8(std::string(record.town));
      }
    }
    if (wrong > 30) break;
    resolver::Resolve(*book_, address, r);
    if (r.status == resolver::Status::kExact && r.postalCode == record.postalCode) ++own;
  }
  std::printf("records: %zu, addresses made: %d, exact to their own code: %d (%.1f%%), wrong exact: %d\n",
              book_->RecordCount(), made, own, 100.0 * own / made, wrong);
  EXPECT_EQ(0, wrong);
}

// Every municipality whose name no other one in the country has, written
// without its prefecture (as hospital lists write them) and followed by each
// of its towns that has one code and a lot, finds that town: its name is read
// whole before any of its characters is read as a 条, a 丁目 or a number
// (三条市, 四條畷市, 五條市). The county is written and left out.
TEST_F(ResolverSweep, UniqueMunicipalitiesWithoutPrefectureFindTheirTowns) {
  std::map<std::string, std::set<std::string>> codesOf;  // a name as written → municipality codes
  const auto withoutCounty = [](const std::string& city) {
    // "西彼杵郡時津町", not 郡上市 nor 小郡市
    const size_t county = Find(city, "郡");
    const bool town = EndsWith(city, "町") || EndsWith(city, "村");
    return county == std::string::npos || county == 0 || !town ? std::string() : city.substr(county + 2);
  };
  std::map<std::string, int> linesOf;  // municipality code + town without its note → lines
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    const std::string city(record.city), town(record.town);
    ++linesOf[std::string(record.cityCode) + "/" + town.substr(0, Find(town, "（"))];
    codesOf[city].insert(std::string(record.cityCode));
    const std::string shortName = withoutCounty(city);
    if (!shortName.empty()) codesOf[shortName].insert(std::string(record.cityCode));
  }
  resolver::Resolution r;
  std::set<std::string> municipalities;
  int tried = 0, found = 0;
  const char* const lots[] = {"1-2", "１２番地"};
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    const std::string town(record.town), city(record.city);
    if (town.empty() || Find(town, "（") != std::string::npos || town == "以下に掲載がない場合" ||
        EndsWith(town, "一円") || Find(town, "の次に") != std::string::npos ||
        linesOf[std::string(record.cityCode) + "/" + town] > 1) {  // 酒田市's two 本町: the lot decides
      continue;
    }
    for (const std::string& name : {city, withoutCounty(city)}) {
      if (name.empty() || codesOf[name].size() != 1) continue;
      municipalities.insert(std::string(record.cityCode));
      for (const char* lot : lots) {
        const std::string address = name + town + lot;
        resolver::Resolve(*book_, address, r);
        ++tried;
        if (std::find(r.candidates.begin(), r.candidates.end(), i) != r.candidates.end() &&
            r.status != resolver::Status::kCity) {
          ++found;
        } else if (tried - found <= 20) {
          ADD_FAILURE() << testing_support::ToUtf8(address) << ": " << resolver::StatusName(r.status) << " "
                        << r.postalCode << ", the line has " << record.postalCode;
        }
      }
    }
  }
  std::printf("municipalities of a name of their own: %zu, addresses: %d, finding their town: %d (%.2f%%)\n",
              municipalities.size(), tried, found, tried > 0 ? 100.0 * found / tried : 0.0);
  EXPECT_GT(municipalities.size(), 1500u);
  EXPECT_EQ(tried, found);
}

// A name as the resolver compares names: normalised, without 大字 and 字.
std::string Compared(const std::string& name) {
  std::string out;
  resolver::NormalizeText(name, out);
  resolver::DropAza(out);
  return out;
}

TEST_F(ResolverSweep, OfficesLandInTheirOwnMunicipalityAndTown) {
  const std::string path = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (path.empty()) GTEST_SKIP() << "no JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  resolver::Resolution r;
  int offices = 0, ownMunicipality = 0, ownTown = 0;
  for (const std::string& line : test_lines::SplitCrLfLines(testing_support::ReadFile(path))) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    if (c.size() < 8) continue;
    ++offices;
    // prefecture, city, town, lot and building as the office writes them
    resolver::Resolve(*book_, c[3] + c[4] + c[5] + c[6], r);
    if (r.status == resolver::Status::kNone) continue;
    bool municipality = !r.candidates.empty() || r.status == resolver::Status::kCity;
    for (size_t i : r.candidates) municipality = municipality && book_->Record(i).cityCode == c[0];
    if (r.status == resolver::Status::kCity) municipality = r.cityCode == c[0];
    if (!municipality) continue;
    ++ownMunicipality;
    if (r.status == resolver::Status::kCity) continue;
    const std::string town = Compared(c[5]);
    for (size_t i : r.candidates) {
      const std::string name(book_->Record(i).town);
      const std::string base = Compared(name.substr(0, Find(name, "（")));
      if (!base.empty() && (StartsWith(town, base) || StartsWith(base, town))) {
        ++ownTown;
        break;
      }
    }
  }
  const double municipalityShare = 100.0 * ownMunicipality / offices;
  const double townShare = 100.0 * ownTown / offices;
  std::printf("offices: %d, in their own municipality: %d (%.2f%%), in their own town: %d (%.2f%%)\n", offices,
              ownMunicipality, municipalityShare, ownTown, townShare);
  EXPECT_GE(municipalityShare, 99.5);
  EXPECT_GE(townShare, 97.0);
}

}  // namespace
