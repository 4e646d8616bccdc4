// Buildings written in Latin letters, over the real address file: names no
// town lists take the town's 「次のビルを除く」 line, listed names written in
// their letters their floor's line, and kana names in the English their
// owners write them in.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/resolver_cases.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Status;

constexpr char kExceptBuildings[] = "（次のビルを除く）";

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A town's 「次のビルを除く」 line: the place it is written with, and its code.
struct TownWithBuildings {
  std::string place, town;
  std::string code;
};

class ResolverLatinBuildings : public testing_support::RealResolverTest {
 protected:
  std::vector<TownWithBuildings> Towns() const {
    std::vector<TownWithBuildings> towns;
    for (size_t i = 0; i < book_->RecordCount(); ++i) {
      const resolver::TownRecord r = book_->Record(i);
      const std::string town(r.town);
      if (!EndsWith(town, kExceptBuildings)) continue;
      towns.push_back({std::string(r.prefecture) + std::string(r.city),
                       town.substr(0, town.size() - std::string(kExceptBuildings).size()), std::string(r.postalCode)});
    }
    return towns;
  }
  std::string Answer(const std::string& address, Status& status) const {
    resolver::Resolution r;
    resolver::Resolve(*book_, address, r);
    status = r.status;
    return r.postalCode;
  }
};

// Several words, widths, cases and marks between words; none is any
// listed building's name however it is read.
TEST_F(ResolverLatinBuildings, MadeUpNamesTakeTheRestOfTheTown) {
  const char* const names[] = {
      "Ｙａｚａｗａビル",       "YAZAWA BLDG.",        "yazawa building",
      "Ｔｒｉ－Ｓｅｖｅｎ・Ｒｏｐｐｏｎｇｉ", "TRI SEVEN ROPPONGI", "tri-seven",
      "Ｑｕｏｋｋａ　Ｋｅｅｐ", "quokka-keep tower",   "Zephyr Quokka Bldg",
  };
  const char* const floors[] = {"8階", " 8F", "１２階"};
  const std::vector<TownWithBuildings> towns = Towns();
  ASSERT_GE(towns.size(), 30u);
  int tried = 0;
  for (const TownWithBuildings& t : towns) {
    for (const char* name : names) {
      for (const char* floor : floors) {
        const std::string address = t.place + t.town + "1-1-1 " + name + floor;
        Status status;
        const std::string code = Answer(address, status);
        ++tried;
        EXPECT_TRUE(status == Status::kExact && code == t.code)
            << testing_support::ToUtf8(address) << " => " << resolver::StatusName(status) << " " << code
            << ", the town's line has " << t.code;
      }
    }
  }
  std::printf("towns with listed buildings: %zu, made-up names tried: %d\n", towns.size(), tried);
}

// The English of the katakana words these names are made of, as a reader
// writes them; a name holding any other is left out.
const std::map<std::string, std::vector<std::string>> kEnglish = {
    {"タワー", {"Tower", "TOWER"}},     {"タワーズ", {"Towers", "towers"}}, {"ビル", {"Bldg.", "Building"}},
    {"オフィス", {"Office", "OFFICE"}}, {"グリーン", {"Green", "green"}},   {"ヒルズ", {"Hills", "HILLS"}},
    {"クイーンズ", {"Queens", "QUEENS"}}, {"ゲート", {"Gate", "GATE"}},   {"セントラル", {"Central", "central"}},
};

// `name` in Latin letters, its katakana words by kEnglish (the `form`th
// spelling), words apart; false when it holds anything else.
bool InLatinLetters(const std::string& name, size_t form, bool fullWidth, std::string& out) {
  out.clear();
  size_t i = 0;
  bool letters = false;
  while (i < name.size()) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    // Ａ-Ｚ ａ-ｚ ０-９ (0x8260-0x829A, 0x824F-0x8258) and ASCII
    if (c == 0x82 && i + 1 < name.size()) {
      const unsigned char d = static_cast<unsigned char>(name[i + 1]);
      if (d >= 0x4F && d <= 0x9A) {
        out.append(fullWidth ? name.substr(i, 2) : std::string(1, d >= 0x81 ? 'a' + (d - 0x81) : d >= 0x60 ? 'A' + (d - 0x60) : '0' + (d - 0x4F)));
        letters = true;
        i += 2;
        continue;
      }
    }
    if (c < 0x80) {
      out += name[i++];
      letters = true;
      continue;
    }
    size_t best = 0;
    const std::vector<std::string>* spellings = nullptr;
    for (const auto& word : kEnglish) {
      if (word.first.size() > best && name.compare(i, word.first.size(), word.first) == 0) {
        best = word.first.size();
        spellings = &word.second;
      }
    }
    if (spellings == nullptr) return false;
    out += fullWidth ? "　" : " ";
    out += (*spellings)[form % spellings->size()];
    out += fullWidth ? "　" : " ";
    i += best;
  }
  return letters;
}

TEST_F(ResolverLatinBuildings, ListedLatinNamesGiveTheirFloorsLine) {
  std::map<std::string, std::string> townOf;  // place → town, for towns with listed buildings
  const std::vector<TownWithBuildings> towns = Towns();
  int buildings = 0, tried = 0;
  std::string last;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord r = book_->Record(i);
    const std::string line(r.town), place = std::string(r.prefecture) + std::string(r.city);
    // its floor's line: "城見ＭＩＤタワー（５階）"
    const size_t open = line.rfind("（");
    if (open == std::string::npos || !EndsWith(line, "階）") || line.find("地階") != std::string::npos) continue;
    std::string name = line.substr(0, open);
    const std::string floor = line.substr(open + 2, line.size() - open - 4);
    for (const TownWithBuildings& t : towns) {
      if (t.place != place || name.compare(0, t.town.size(), t.town) != 0) continue;
      name.erase(0, t.town.size());
      if (name.compare(0, t.town.size(), t.town) == 0) name.erase(0, t.town.size());  // 赤坂Ｂｉｚタワー of 赤坂
      std::string latin;
      for (size_t form = 0; form < 2; ++form) {
        if (!InLatinLetters(name, form, form == 1, latin)) break;
        if (form == 0 && name != last) ++buildings;
        last = name;
        const std::string address = place + t.town + "1-1-1 " + latin + " " + floor;
        Status status;
        const std::string code = Answer(address, status);
        ++tried;
        EXPECT_TRUE(status == Status::kExact && code == std::string(r.postalCode))
            << testing_support::ToUtf8(address) << " => " << resolver::StatusName(status) << " " << code
            << ", its line has " << r.postalCode;
      }
      break;
    }
  }
  std::printf("listed buildings written in Latin letters: %d, addresses tried: %d\n", buildings, tried);
  EXPECT_GE(buildings, 10);
}

// Names in kana or kanji, written as their owners write them in English.
TEST_F(ResolverLatinBuildings, KanaNamesInEnglish) {
  Check({
      {"東京都渋谷区渋谷3丁目1番9号Ｙａｚａｗａビル4階", Status::kExact, "1500002"},
      {"東京都港区六本木7丁目7番7号Ｔｒｉ－Ｓｅｖｅｎ・Ｒｏｐｐｏｎｇｉ８階", Status::kExact, "1060032"},
      {"東京都港区六本木6-10-1 Roppongi Hills Mori Tower 45F", Status::kExact, "1066145"},
      {"東京都港区六本木６－１０－１　ＲＯＰＰＯＮＧＩ　ＨＩＬＬＳ　ＭＯＲＩ　ＴＯＷＥＲ　４５階", Status::kExact, "1066145"},
      {"東京都港区六本木1-6-1 Izumi Garden Tower 8F", Status::kExact, "1066008"},
      {"東京都新宿区西新宿2-1-1 Shinjuku Mitsui Building 10F", Status::kExact, "1630410"},
      {"東京都新宿区西新宿2-1-1 SHINJUKU MITSUI BLDG. 10F", Status::kExact, "1630410"},
      {"東京都渋谷区渋谷2-24-12 Shibuya Scramble Square 4F", Status::kExact, "1506104"},
      {"神奈川県横浜市西区みなとみらい2-2-1 Landmark Tower 20F", Status::kExact, "2208120"},
      {"東京都千代田区丸の内2-4-1 Marunouchi Bldg. 5F", Status::kExact, "1006305"},
      // the full-width apostrophe has an IBM extension code, among its kanji
      {"神奈川県横浜市西区みなとみらい２－３－１　Ｑｕｅｅｎ＇ｓ　Ｔｏｗｅｒ　Ａ　１０階", Status::kExact, "2206010"},
      {"東京都港区赤坂1-12-32 Ark Mori Building 12F", Status::kExact, "1076012"},
      // a short form, or the whole name and more: it may be the listed one
      {"東京都千代田区丸の内2-4-1 Marubiru 5F", Status::kAmbiguous, "1000005 1006905 1006305"},
      {"東京都新宿区西新宿2-1-1 Shinjuku Mitsui Building Annex 10F", Status::kAmbiguous, "1600023 1630410"},
      // three letters that may be the listed one's reading (アエル): its floor's line or the rest
      {"宮城県仙台市青葉区中央1-3-1 AER 5F", Status::kAmbiguous, "9800021 9806105"},
  });
}

}  // namespace
