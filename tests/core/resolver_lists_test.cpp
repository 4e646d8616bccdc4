// The resolver on addresses as real lists write them, one group
// per way people's writing differs from Japan Post's text, each made from
// rows of KEN_ALL.CSV. No case may come out exact and wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/resolver_cases.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Status;

using Case = testing_support::ResolverCase;

class ResolverLists : public testing_support::RealResolverTest {};

// 1. A listed building is named only by its whole name or a part that is its
// own, never by a word any building may carry or from inside a longer name.
TEST_F(ResolverLists, BuildingsAreNamedOnlyByTheirOwnNames) {
  Check({
      // addresses from real lists that once came out wrong
      {"東京都千代田区丸の内1-8-2 鉄鋼ビルディング4階", Status::kExact, "1000005"},
      {"千代田区霞が関1-4-1 日土地ビル1階", Status::kExact, "1000013"},
      {"港区赤坂7-1-15 アトム青山タワー2階", Status::kExact, "1070052"},
      {"港区赤坂9-7-2 ミッドタウン・イースト2階", Status::kAmbiguous, "1070052 1076202"},  // the complex's name
      {"港区虎ノ門5-11-2 オランダヒルズ森タワー2階", Status::kAmbiguous, "1050001 1056302"},
      {"千代田区丸の内2-2-1 岸本ビルディング2階", Status::kExact, "1000005"},
      // 丸の内: names made up from the listed ones' last words
      {"千代田区丸の内3-2-3 丸の内二重橋ビルディング 5階", Status::kExact, "1000005"},
      {"千代田区丸の内1-1-1 パレスタワー 5階", Status::kExact, "1000005"},
      {"千代田区丸の内3-3-1 新東京ビルディング 5階", Status::kAmbiguous, "1000005 1006405"},  // 東京ビルディング inside
      {"千代田区丸の内2-4-1 丸の内ビルディング 5階", Status::kExact, "1006305"},
      {"千代田区丸の内1-5-1 新丸の内ビルディング 5階", Status::kExact, "1006505"},
      {"千代田区丸の内2-7-2 JPタワー 5階", Status::kExact, "1007005"},
      {"千代田区丸の内2-4-1 丸ビル 5階", Status::kAmbiguous, "1000005 1006505 1006905 1006305"},  // a short form
      // 赤坂
      {"港区赤坂2-17-22 赤坂ツインタワー 5階", Status::kExact, "1070052"},
      {"港区赤坂5-3-1 赤坂サカスタワー 5階", Status::kExact, "1070052"},
      {"港区赤坂1-12-32 アーク森ビル 12階", Status::kExact, "1076012"},
      {"港区赤坂9-7-1 ミッドタウン・タワー 5階", Status::kExact, "1076205"},
      {"港区赤坂9-7-1 東京ミッドタウン・タワー 5階", Status::kAmbiguous, "1070052 1076205"},
      {"港区赤坂2-17-7 赤坂溜池タワー 5階", Status::kExact, "1070052"},
      // 西新宿
      {"新宿区西新宿2-6-1 新宿住友ビル 5階", Status::kExact, "1630205"},
      // another building of the complex, not 新宿アイランドタワー: the rest of the town
      {"新宿区西新宿6-5-1 新宿アイランドウイング 5階", Status::kExact, "1600023"},
      {"新宿区西新宿6-6-2 新宿ヒカリタワー 5階", Status::kExact, "1600023"},
      {"新宿区西新宿8-17-1 住友不動産新宿グランドタワー 5階", Status::kExact, "1606105"},
      {"新宿区西新宿1-25-1 新宿センタービル 5階", Status::kExact, "1630605"},
      {"新宿区西新宿3-7-1 新宿パークビル 5階", Status::kAmbiguous, "1600023 1631005"},  // 新宿パークタワー's words
      {"新宿区西新宿2-7-1 小田急第一生命ビル 5階", Status::kAmbiguous, "1600023 1630705"},
      {"新宿区西新宿1-26-2 NSビル 5階", Status::kExact, "1630805"},  // its own part: 新宿ＮＳビル
      // a name in Latin letters may be a listed one's: アエル
      {"仙台市青葉区中央1-3-1 AER 12階", Status::kAmbiguous, "9800021 9806112"},
      // みなとみらい
      {"横浜市西区みなとみらい2-3-1 クイーンズタワーA 5階", Status::kExact, "2206005"},
      {"横浜市西区みなとみらい2-2-1 ランドマークタワー 12階", Status::kExact, "2208112"},
      {"横浜市西区みなとみらい3-3-1 三菱重工横浜ビル 5階", Status::kExact, "2200012"},
      {"横浜市西区みなとみらい4-4-5 横浜アイマークプレイス 5階", Status::kExact, "2200012"},
      {"横浜市西区みなとみらい3-6-1 みなとみらいセンタービル 5階", Status::kExact, "2200012"},
      // 虎ノ門: トラストタワー is two buildings' word
      {"港区虎ノ門4-3-1 城山トラストタワー 5階", Status::kExact, "1056005"},
      {"港区虎ノ門4-1-1 トラストタワー 5階", Status::kAmbiguous, "1050001 1056905 1056005"},
      {"港区港南2-15-1 インターシティA棟3階", Status::kExact, "1086003"},
      {"千代田区霞が関3-2-5 霞が関ビルディング 5階", Status::kExact, "1006005"},
  });
}

// 2. A municipality's "以下に掲載がない場合" lines never make an answer exact.
TEST_F(ResolverLists, DefaultLinesAreNeverExact) {
  Check({
      {"静岡県浜松市", Status::kCity, "4320000"},  // three wards, one code
      {"静岡県浜松市ほげ町1955-1", Status::kCity, "4320000"},
      {"静岡県静岡市ほげ1-2", Status::kCity, "4220000"},
      {"府中市", Status::kAmbiguous, "1830000 7260000"},  // two municipalities, two codes
      {"静岡県浜松市西区呉松町1955-1", Status::kExact, "4311202"},
  });
}

// 3. The municipality written twice is read as one.
TEST_F(ResolverLists, MunicipalityWrittenTwice) {
  Check({
      {"千葉県館山市館山市上真倉12-3", Status::kExact, "2940038"},
      {"館山市館山市上真倉", Status::kExact, "2940038"},
      {"千葉県館山市館山1-1", Status::kExact, "2940036"},  // the town 館山 itself
      {"静岡県静岡市静岡市葵区駿府城公園", Status::kExact, "4200855"},
      {"岡山県岡山市岡山市北区御津紙工", Status::kExact, "7092136"},
      {"東京都練馬区練馬区旭丘1-2", Status::kExact, "1760005"},
      {"兵庫県養父市養父市場100", Status::kExact, "6670112"},  // a town named after its municipality
      {"北海道磯谷郡蘭越町蘭越町100", Status::kExact, "0481301"},
  });
}

// 4. Wards that changed or are left out: 浜松市 with each of its old wards,
// a designated city without its ward, a ward without its city.
TEST_F(ResolverLists, WardsChangedOrLeftOut) {
  Check({
      {"静岡県浜松市中区鍛冶町100", Status::kExact, "4300933"},  // now 中央区
      {"浜松市東区天王町", Status::kExact, "4350052"},
      {"浜松市西区舞阪町舞阪", Status::kExact, "4310211"},
      {"浜松市南区白羽町", Status::kExact, "4300846"},
      {"浜松市北区細江町気賀", Status::kExact, "4311305"},  // now 浜名区
      {"浜松市北区三方原町", Status::kExact, "4338105"},    // now 中央区
      {"浜松市浜北区貴布祢", Status::kExact, "4340038"},
      {"浜松市西区竜南", Status::kExact, "4340024"},
      {"浜松市北区上島", Status::kAmbiguous, "4338122 4340011"},  // a 上島 in 中央区 and in 浜名区
      {"浜松市天竜区二俣町二俣", Status::kExact, "4313314"},
      {"岡山市御津紙工", Status::kExact, "7092136"},
      {"岡山市北七区", Status::kExact, "7091201"},  // a town of 岡山市南区 that looks like a ward
      {"北区梅田3-1-1", Status::kExact, "5300001"},
      {"中区赤坂南新町", Status::kExact, "7038283"},
      {"南区常盤100", Status::kExact, "0050865"},
      {"北区赤羽1-1-1", Status::kExact, "1150045"},  // Tokyo's 北区
      {"中央区銀座1-1-1", Status::kExact, "1040061"},
      // a building listed in one of the wards, named in full, settles it
      {"中央区日本橋18-19 日本橋高島屋三井ビルディング 22F", Status::kExact, "1036122"},
      {"中央区日本橋２－５－１　日本橋高島屋三井ビルディング地下１階", Status::kExact, "1036190"},
      // Tokyo's 中央区 is its full name, 大阪市's only without its city
      {"中央区日本橋2-5-1 高島屋三井ビルディング 22F", Status::kExact, "1036122"},  // a part only
      {"中央区日本橋1-1", Status::kExact, "1030027"},
      {"中央区日本橋1-1 第一中央ビル 3階", Status::kExact, "1030027"},  // listed in neither
      {"中央区島之内1-1", Status::kExact, "5420082"},  // none in Tokyo's: 大阪市's
  });
}

// 3. A municipality's name is read whole, before its numerals are read as a
// 条 or as the digits of a code written first.
TEST_F(ResolverLists, MunicipalityNamesReadWhole) {
  Check({
      {"三条市西四日町1-3-11", Status::kExact, "9550851"},
      {"三条市西四日町１丁目３番１１号", Status::kExact, "9550851"},
      {"　三条市　西四日町　１－３－１１", Status::kExact, "9550851"},
      {"〒955-0851 三条市西四日町1-3-11", Status::kExact, "9550851"},
      {"9550851三条市西四日町1-3-11", Status::kExact, "9550851"},
      {"四條畷市中野本町34番7号", Status::kExact, "5750051"},
      {"四条畷市中野本町３４－７", Status::kExact, "5750051"},
      {"五條市西吉野町屋那瀬13", Status::kExact, "6370104"},
      {"五条市西吉野町屋那瀬１３番地", Status::kExact, "6370104"},
      {"新潟県三条市西四日町1-3-11", Status::kExact, "9550851"},
      {"三条市", Status::kCity, "9550000"},
      {"〒100-0001 千代田区千代田1-1", Status::kExact, "1000001"},
      {"1000001東京都千代田区千代田1-1", Status::kExact, "1000001"},
  });
}

// 5. A building named that no listed name matches is in the rest of the town.
TEST_F(ResolverLists, UnlistedBuildingsTakeTheRestOfTheTown) {
  Check({
      {"港区港南2-6-10 三矢ビル4階", Status::kExact, "1080075"},
      {"新宿区西新宿1-19-11 西新宿甲州ビル6階", Status::kExact, "1600023"},
      {"東京都新宿区西新宿７－２１－３ 西新宿大京ビル ２Ｆ", Status::kExact, "1600023"},
      {"千代田区丸の内3-4-1 新国際ビル 9階", Status::kExact, "1000005"},
      {"港区赤坂3-2-12 赤坂ノアビル 3F", Status::kExact, "1070052"},
      {"横浜市西区みなとみらい5-1-2 横浜シンフォステージ 10階", Status::kExact, "2200012"},
      // a floor with no building named stays open
      {"新宿区西新宿2-6-1 31階", Status::kAmbiguous,
       "1600023 1631331 1631531 1630231 1630631 1630531 1631031 1630431 1636031 1606131 1631431"},
  });
}

// 6. Towns split into 丁目 and 番地 lines.
TEST_F(ResolverLists, ChomeAndBanchiLines) {
  Check({
      {"名古屋市守山区守山1-2-3", Status::kExact, "4630067"},
      {"名古屋市守山区守山一丁目2番3号", Status::kExact, "4630067"},
      {"名古屋市守山区守山123番地", Status::kExact, "4630077"},
      {"名古屋市守山区守山1-2", Status::kAmbiguous, "4630067 4630077"},
      {"愛知県大府市森岡町1-2-3", Status::kExact, "4740038"},
      {"大府市森岡町5番地", Status::kExact, "4740031"},
      {"大府市森岡町1-2", Status::kAmbiguous, "4740038 4740031"},
  });
}

// 7. Variant kanji, either side: the text's and the file's.
TEST_F(ResolverLists, VariantKanji) {
  Check({
      {"兵庫県宝\uFA10市伊孑志1丁目4の50", Status::kExact, "6650033"},  // the compatibility 塚
      {"兵庫県宝\xED\x80市伊孑志1丁目4の50", Status::kExact, "6650033"},  // its NEC-selected code
      {"兵庫県宝\xFA\x9C市伊孑志1丁目4の50", Status::kExact, "6650033"},  // its IBM code
      {"青森県黒石市上目内沢", Status::kExact, "0360538"},  // the file: 上目内澤
      {"青森県青森市蛍沢", Status::kExact, "0300957"},
      {"青森県青森市螢澤", Status::kExact, "0300957"},
      {"滋賀県大津市蛍谷", Status::kExact, "5200853"},  // the file: 螢谷
      {"茨城県坂東市富田", Status::kExact, "3060652"},    // the file: 冨田
      {"栃木県下野市祗園", Status::kExact, "3290434"},
      {"岩手県紫波郡紫波町犬淵", Status::kExact, "0283311"},  // the file: 犬渕
      {"北海道名寄市内渕", Status::kExact, "0960078"},
      {"鹿児島県姶良市西餅田", Status::kExact, "8995431"},  // the file: 西餠田
      {"兵庫県南あわじ市松帆櫟田", Status::kExact, "6560307"},  // the file: 松帆檪田
      {"青森県八戸市豊州", Status::kExact, "0391162"},
      {"長崎県長崎市茂木町", Status::kExact, "8510241"},
      {"長\xED\x95県長\xED\x95市茂木町", Status::kExact, "8510241"},  // 﨑
      {"三重県度会郡南伊勢町五ヵ所浦", Status::kExact, "5160101"},
      {"北海道札幌市中央区北一條西6丁目", Status::kExact, "0600001"},
      // KAKASI's pairs, either side
      {"群馬県桐生市小曽根町6番1号", Status::kExact, "3760043"},  // the file: 小曾根町
      {"福岡県筑紫野市武蔵3丁目2番18号", Status::kExact, "8180052"},  // the file: 武藏
      {"徳島市東出來島町", Status::kExact, "7700822"},
      {"飯塚市辨分", Status::kExact, "8200088"},
  });
}

// The forms of each kanji the variant table folds, its folded form first:
// every code of one class, cp932's twin codes among them.
std::map<uint16_t, std::vector<uint16_t>> VariantClasses() {
  std::map<uint16_t, std::vector<uint16_t>> classes;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
      const uint16_t folded = resolver::FoldVariantKanji(code);
      if (folded == code) continue;
      std::vector<uint16_t>& forms = classes[folded];
      if (forms.empty()) forms.push_back(folded);
      forms.push_back(code);
    }
  }
  return classes;
}

std::string Cp932Char(uint16_t code) { return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}; }

// 7. No two towns of one municipality that the file keeps apart are made one
// by the folding (variant kanji, joining kana, 大字 and 字), nor two
// municipalities of one prefecture. And the variant table folds each class to
// one form, which it keeps, as it keeps the kanji numerals and the kanji of
// the words the resolver reads (丁目, 番地, 号, 条, 町, 区…).
TEST_F(ResolverLists, FoldingMergesNoTwoTowns) {
  for (const auto& [folded, forms] : VariantClasses()) {
    EXPECT_EQ(folded, resolver::FoldVariantKanji(folded)) << testing_support::ToUtf8(Cp932Char(folded));
  }
  for (const char* word : {"〇一二三四五六七八九十百千", resolver::word::kChome, resolver::word::kMachime,
                           resolver::word::kBanchi, resolver::word::kGo, resolver::word::kJo, resolver::word::kSen,
                           resolver::word::kChiwari, resolver::word::kOaza, resolver::word::kKai,
                           resolver::word::kNotListed, "町村市区郡都道府県通第"}) {
    for (const char* p = word; *p != '\0'; p += 2) {
      const uint16_t code = resolver::CharCode(p, 2);
      EXPECT_EQ(code, resolver::FoldVariantKanji(code)) << testing_support::ToUtf8(Cp932Char(code));
    }
  }

  std::map<std::string, std::string> seen;  // municipality code + folded name → name
  std::string folded;
  int towns = 0, merged = 0;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    std::string town(record.town);
    const size_t open = town.find("（");
    if (open != std::string::npos) town.resize(open);
    resolver::NormalizeText(town, folded);
    resolver::DropAza(folded);
    resolver::FoldJoiningKana(folded);
    const auto added = seen.emplace(std::string(record.cityCode) + "/" + folded, town);
    if (added.second) {
      ++towns;
    } else if (added.first->second != town) {
      ++merged;
      ADD_FAILURE() << record.cityCode << ": " << testing_support::ToUtf8(added.first->second) << " and "
                    << testing_support::ToUtf8(town) << " fold alike";
    }
    // and no two municipalities of one prefecture
    const std::string city(record.city);
    resolver::NormalizeText(city, folded);
    resolver::FoldJoiningKana(folded);
    const auto municipality = seen.emplace(std::string(record.prefecture) + "//" + folded, std::string(record.cityCode));
    if (!municipality.second && municipality.first->second != std::string(record.cityCode)) {
      ++merged;
      ADD_FAILURE() << testing_support::ToUtf8(city) << ": " << municipality.first->second << " and "
                    << record.cityCode << " fold alike";
    }
  }
  std::printf("towns: %d, merged by folding: %d\n", towns, merged);
  EXPECT_EQ(0, merged);
}

// 7. A town holding a kanji of the variant table, written with each other
// form of that kanji (the town alone changed: prefecture, municipality, town
// without its note), is found as with the file's own spelling: among the
// candidates, and exact on the same code where that spelling is.
TEST_F(ResolverLists, TownsWrittenWithAnotherFormAreFound) {
  const std::map<uint16_t, std::vector<uint16_t>> classes = VariantClasses();
  std::map<uint16_t, const std::vector<uint16_t>*> classOf;
  for (const auto& [folded, forms] : classes) {
    for (uint16_t form : forms) classOf[form] = &forms;
  }
  std::set<std::string> seen;  // municipality code + town
  resolver::Resolution own, other;
  int towns = 0, tried = 0, found = 0;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    std::string town(record.town);
    const size_t open = town.find("（");
    if (open != std::string::npos) town.resize(open);
    if (town.empty() || town == "以下に掲載がない場合" || !seen.insert(std::string(record.cityCode) + "/" + town).second) {
      continue;
    }
    const std::string place = std::string(record.prefecture) + std::string(record.city);
    bool held = false;
    for (size_t at = 0; at < town.size(); at += resolver::CharWidth(resolver::CharCode(&town[at], town.size() - at))) {
      const uint16_t code = resolver::CharCode(&town[at], town.size() - at);
      const auto it = classOf.find(code);
      if (it == classOf.end()) continue;
      if (!held) {
        held = true;
        resolver::Resolve(*book_, place + town, own);
        if (std::find(own.candidates.begin(), own.candidates.end(), i) == own.candidates.end()) break;
        ++towns;  // found as the file writes it
      }
      for (uint16_t form : *it->second) {
        if (form == code) continue;
        std::string written = town;
        written.replace(at, 2, Cp932Char(form));
        resolver::Resolve(*book_, place + written, other);
        ++tried;
        const bool among = std::find(other.candidates.begin(), other.candidates.end(), i) != other.candidates.end();
        const bool exactAlike = own.status != Status::kExact ||
                                (other.status == Status::kExact && other.postalCode == own.postalCode);
        if (among && exactAlike) {
          ++found;
        } else if (tried - found <= 20) {
          ADD_FAILURE() << testing_support::ToUtf8(place + written) << " (the file: " << testing_support::ToUtf8(town)
                        << "): " << resolver::StatusName(other.status) << ", not " << resolver::StatusName(own.status)
                        << " " << record.postalCode;
        }
      }
    }
  }
  std::printf("towns holding a variant kanji (found as written): %d, other spellings: %d, found: %d (%.1f%%)\n", towns,
              tried, found, tried > 0 ? 100.0 * found / tried : 0.0);
  EXPECT_GT(tried, 1000);
  EXPECT_EQ(tried, found);
}

// 8. Short forms: 町 left out, 条 left out of a grid town, 通 out of a Kyoto
// street clause, ヵ for ケ.
TEST_F(ResolverLists, ShortForms) {
  Check({
      {"横浜市西区藤棚1-120", Status::kExact, "2200053"},
      {"尼崎市上ノ島3-1-1", Status::kExact, "6610014"},
      {"兵庫県尼崎市上ノ島町3-1-1", Status::kExact, "6610014"},
      {"札幌市中央区南8西5", Status::kExact, "0640808"},
      {"札幌市中央区北1西6", Status::kExact, "0600001"},
      {"旭川市4条通8丁目", Status::kExact, "0700034"},
      {"京都市下京区西中筋六条下る住吉町", Status::kExact, "6008468"},
      {"京都市下京区西中筋通り六条下る住吉町", Status::kExact, "6008468"},
      {"京都市中京区烏丸御池上る二条殿町", Status::kExact, "6040845"},
      {"三重県度会郡南伊勢町五ヵ所浦", Status::kExact, "5160101"},
      {"三重県度会郡南伊勢町五カ所浦", Status::kExact, "5160101"},
      {"宮崎県西臼杵郡高千穂町五ヵ所", Status::kExact, "8821415"},
  });
}

// 8. 長崎県 leaves a town's final 郷 unwritten: each such town, written without
// it (with a lot and without, with the prefecture and without), answers as
// with it, unless a town of its municipality has the shorter name.
TEST_F(ResolverLists, NagasakiTownsWithoutTheirGo) {
  Check({
      {"長崎県西彼杵郡時津町左底245-2", Status::kExact, "8512106"},
      {"新上五島町有川", Status::kExact, "8574211"},
      {"長崎県南松浦郡新上五島町有川郷５８０番地", Status::kExact, "8574211"},
      {"時津町左底郷２４５－２", Status::kExact, "8512106"},
      {"北海道北見市広", Status::kCity, "0900000"},  // 広郷: 郷 is left out in 長崎県 alone
  });
  std::set<std::string> towns;  // municipality code + name
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    std::string town(record.town);
    town.resize(std::min(town.find("（"), town.size()));
    towns.insert(std::string(record.cityCode) + "/" + town);
  }
  resolver::Resolution own, other;
  std::set<std::string> tried;
  int left = 0, found = 0;
  for (size_t i = 0; i < book_->RecordCount(); ++i) {
    const resolver::TownRecord record = book_->Record(i);
    std::string town(record.town);
    town.resize(std::min(town.find("（"), town.size()));
    if (record.prefecture != "長崎県" || town.size() <= 2 || town.compare(town.size() - 2, 2, "郷") != 0) continue;
    const std::string shorter = town.substr(0, town.size() - 2);
    if (towns.count(std::string(record.cityCode) + "/" + shorter) > 0) {
      ++left;  // the shorter name is a town of its own
      continue;
    }
    if (!tried.insert(std::string(record.cityCode) + "/" + town).second) continue;
    const std::string city(record.city);
    for (const std::string& place : {std::string(record.prefecture) + city, city}) {
      for (const char* lot : {"", "245-2", "１２番地"}) {
        resolver::Resolve(*book_, place + town + lot, own);
        resolver::Resolve(*book_, place + shorter + lot, other);
        const bool townFound = own.status == Status::kExact || own.status == Status::kAmbiguous;
        if (townFound && own.status == other.status && own.candidates == other.candidates) {
          ++found;
        } else {
          ADD_FAILURE() << testing_support::ToUtf8(place + shorter + lot) << ": " << resolver::StatusName(other.status)
                        << " " << other.postalCode << ", as the file writes it: " << resolver::StatusName(own.status)
                        << " " << own.postalCode;
        }
      }
    }
  }
  std::printf("towns of Nagasaki ending in go: %zu (and %d whose shorter name is a town), addresses without it "
              "answering as with it: %d\n",
              tried.size(), left, found);
  EXPECT_GT(tried.size(), 150u);
}

// 9. What already agrees with owners stays so.
TEST_F(ResolverLists, KeepsWhatAgreesWithOwners) {
  Check({
      {"茨城県水戸市大字石川字内原123", Status::kExact, "3100905"},  // 大字X字Y: X, not the town Y
      {"茨城県日立市大字留町字東町100", Status::kExact, "3191231"},
      {"名古屋市守山区守山1丁目2-3-4", Status::kExact, "4630067"},  // three numbers after the 丁目
      {"港区港南2-6-10 三矢ビル", Status::kExact, "1080075"},       // named, not listed
  });
}

// 10. Out of reach: a municipality that no longer exists is in no file.
TEST_F(ResolverLists, MunicipalitiesThatNoLongerExist) {
  Check({
      {"埼玉県浦和市高砂3-15-1", Status::kNone, ""},  // さいたま市 since 2001
      {"浦和市高砂3-15-1", Status::kNone, ""},
      {"埼玉県大宮市桜木町1-7-5", Status::kNone, ""},
      {"静岡県清水市港町", Status::kNone, ""},  // 静岡市清水区 since 2003
      {"埼玉県さいたま市浦和区高砂3-15-1", Status::kExact, "3300063"},
  });
}

}  // namespace
