// Addresses made from real rows of KEN_ALL.CSV, one table per kind of note,
// in the forms people write them: with or without prefecture and county,
// full-width digits, kanji numbers, N-M-K, 大字 and 字, building and floor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/resolver_cases.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Status;

using Case = testing_support::ResolverCase;

class ResolverRealData : public testing_support::RealResolverTest {};

TEST_F(ResolverRealData, NotListedGivesTheMunicipalitysCode) {
  Check({
      {"北海道札幌市中央区ほげ町1-2", Status::kCity, "0600000"},
      {"札幌市中央区", Status::kCity, "0600000"},
      {"帯広市西十九条南40丁目", Status::kCity, "0800000"},  // no row takes 40丁目
      {"東京都ほげ市", Status::kNone, ""},
  });
}

TEST_F(ResolverRealData, NumberAfterTheMunicipality) {
  Check({
      {"茨城県猿島郡境町123", Status::kExact, "3060433"},
      {"境町１２３番地", Status::kExact, "3060433"},  // without prefecture and county
      {"長野県岡谷市123", Status::kExact, "3940091"},
      {"長野県岡谷市", Status::kCity, "3940000"},
      {"香川県仲多度郡琴平町892-1", Status::kExact, "7660001"},  // 427番地以降 (川西)
      {"琴平町100", Status::kExact, "7660002"},                   // 1～426番地 (川東)
  });
}

TEST_F(ResolverRealData, WholeMunicipality) {
  Check({
      {"東京都利島村123", Status::kExact, "1000301"},
      {"利島村", Status::kExact, "1000301"},
      {"滋賀県犬上郡多賀町一円", Status::kExact, "5220317"},  // a town named 一円
      {"滋賀県犬上郡多賀町多賀", Status::kExact, "5220341"},
  });
}

TEST_F(ResolverRealData, ChomeRanges) {
  Check({
      {"北海道札幌市中央区大通西5丁目", Status::kExact, "0600042"},
      {"札幌市中央区大通西２５丁目", Status::kExact, "0640820"},
      {"札幌市中央区大通西二十丁目", Status::kExact, "0640820"},
      {"札幌市中央区大通西５－１", Status::kExact, "0600042"},
      {"札幌市中央区大通西", Status::kAmbiguous, "0600042 0640820"},
      {"北海道札幌市中央区北一条西6丁目1-2", Status::kExact, "0600001"},
      {"札幌市中央区北１条西６", Status::kExact, "0600001"},
      {"帯広市西十九条南41丁目", Status::kExact, "0800029"},
      {"東京都江戸川区江戸川4-5", Status::kExact, "1320013"},  // 4丁目1～14番
      {"東京都江戸川区江戸川4-20", Status::kExact, "1340013"},
      {"東京都新宿区西早稲田2-1-5", Status::kExact, "1620051"},
      {"東京都新宿区西早稲田2-3-5", Status::kExact, "1690051"},
  });
}

TEST_F(ResolverRealData, BanchiRangesAndTheRest) {
  Check({
      {"北海道札幌市南区常盤100番地", Status::kExact, "0050865"},
      {"札幌市南区常盤131番地の5", Status::kExact, "0050865"},
      {"札幌市南区常盤500", Status::kExact, "0050863"},  // 常盤（その他）
      {"札幌市南区常盤百番地", Status::kExact, "0050865"},
      {"南区常盤１００", Status::kExact, "0050865"},  // a ward alone: every 南区, and only 札幌's has 常盤
      {"札幌市南区常盤", Status::kAmbiguous, "0050865 0050863"},
  });
}

TEST_F(ResolverRealData, Buildings) {
  Check({
      {"宮城県仙台市青葉区中央1-3-1アエル12階", Status::kExact, "9806112"},
      {"宮城県仙台市青葉区中央１－３－１　アエル　１２Ｆ", Status::kExact, "9806112"},
      {"仙台市青葉区中央1丁目3番1号アエル", Status::kExact, "9806190"},  // 地階・階層不明
      {"仙台市青葉区中央1-3-1アエル地下1階", Status::kExact, "9806190"},
      {"仙台市青葉区中央1-3-1アエルB1", Status::kExact, "9806190"},
      {"仙台市青葉区中央一丁目三番一号アエル二十階", Status::kExact, "9806120"},
      {"仙台市青葉区中央1-1-1", Status::kExact, "9800021"},  // 次のビルを除く
      {"東京都港区赤坂1-12-32アーク森ビル12階", Status::kExact, "1076012"},
      // アークヒルズ is the complex's name, not the building's own: it may be meant
      {"東京都港区赤坂1-12-32アークヒルズ12階", Status::kAmbiguous, "1070052 1076012"},
      {"愛知県名古屋市中村区名駅4-7-1ミッドランドスクエア12階", Status::kExact, "4506212"},
      {"豊島区東池袋3-1-1サンシャイン60 45階", Status::kExact, "1706045"},
  });
}

TEST_F(ResolverRealData, Chiwari) {
  Check({
      {"岩手県宮古市川井第10地割12番地", Status::kExact, "0282402"},
      {"宮古市川井第１２地割", Status::kExact, "0282302"},  // 川井（その他）
      {"岩手県宮古市大字川井第十地割", Status::kExact, "0282402"},
      {"岩手県九戸郡洋野町種市第16地割", Status::kExact, "0287915"},
      {"洋野町種市16地割100", Status::kExact, "0287915"},
      {"岩手県岩手郡葛巻町葛巻第41地割", Status::kExact, "0285102"},
      {"岩手郡葛巻町葛巻第16地割1-1", Status::kExact, "0285402"},
      // 「57番地125、176を除く」 is not read: the row may fit, beside its その他
      {"岩手県岩手郡葛巻町葛巻第40地割57", Status::kAmbiguous, "0285102 0285402"},
  });
}

TEST_F(ResolverRealData, KyotoStreetClauses) {
  Check({
      {"京都市中京区烏丸通御池上る二条殿町", Status::kExact, "6040845"},
      {"京都市中京区烏丸通御池上ル二条殿町", Status::kExact, "6040845"},
      {"京都府京都市上京区東堀川通上長者町上る一町目", Status::kExact, "6028064"},
      {"京都市上京区大宮通椹木町下ル一町目", Status::kExact, "6028134"},
      {"京都市上京区松屋町通出水下る一町目", Status::kExact, "6028103"},
      {"京都市上京区一町目（松屋町通出水下る）", Status::kExact, "6028103"},
      {"京都市上京区一町目", Status::kAmbiguous, "6028064 6028134 6028103"},
      {"京都府京都市上京区堀川通寺之内上る４丁目天神北町１番地の１", Status::kExact, "6020087"},
  });
}

TEST_F(ResolverRealData, PlacesWithinATown) {
  Check({
      {"山口県下松市生野屋西村", Status::kExact, "7440031"},  // 生野屋（西村）, not 生野屋西
      {"岩国市由宇町西区", Status::kExact, "7401404"},
      {"千葉県成田市三里塚御料牧場", Status::kExact, "2820011"},
      {"大分県大分市牧1丁目", Status::kExact, "8700924"},
  });
}

TEST_F(ResolverRealData, MunicipalityForms) {
  Check({
      {"府中市宮町1-1", Status::kExact, "1830023"},  // only Tokyo's 府中市 has 宮町
      {"伊達市", Status::kAmbiguous, "0520000 9600600"},
      {"北海道伊達市", Status::kCity, "0520000"},
      {"〒060-0042 北海道札幌市中央区大通西5丁目", Status::kExact, "0600042"},  // a code written first
      {"0600042札幌市中央区大通西5丁目", Status::kExact, "0600042"},
      {"北海道北見市常呂町字常呂323番地", Status::kExact, "0930210"},
      {"青森県青森市浪岡大字浪岡字稲村101-1", Status::kExact, "0381311"},
      {"東京都千代田区霞ヶ関1-1", Status::kExact, "1000013"},  // 霞が関
      {"東京都青が島村", Status::kExact, "1001701"},            // 青ヶ島村一円
      {"山口県周南市岐山通1丁目1", Status::kExact, "7450071"},  // 岐山通り
  });
}

}  // namespace

namespace {

TEST(ResolverUtf8Edition, AnswersAsTheShiftJisEditionDoes) {
  const std::string sjis = testing_support::SharedDataFile("KEN_ALL.CSV");
  const std::string utf8 = testing_support::SharedDataFile("utf_ken_all.csv");
  if (sjis.empty() || utf8.empty()) GTEST_SKIP() << "no KEN_ALL.CSV or utf_ken_all.csv in " << KURANTO_SHARED_DATA;
  resolver::AddressBook fromSjis, fromUtf8;
  std::string error;
  ASSERT_TRUE(fromSjis.Load(sjis, error)) << error;
  ASSERT_TRUE(fromUtf8.Load(utf8, error)) << error;
  EXPECT_EQ(fromSjis.RecordCount(), fromUtf8.RecordCount()) << "the split towns joined alike";
  const char* addresses[] = {
      "札幌市中央区大通西25丁目", "札幌市南区常盤500", "仙台市青葉区中央1-3-1アエル12階",
      "京都市上京区大宮通椹木町下ル一町目", "岩手県宮古市川井第10地割12番地", "茨城県猿島郡境町123",
      "帯広市西十九条南41丁目", "東京都新宿区西早稲田2-1-5",
  };
  resolver::Resolution a, b;
  for (const char* address : addresses) {
    resolver::Resolve(fromSjis, address, a);
    resolver::Resolve(fromUtf8, address, b);
    EXPECT_EQ(a.status, b.status) << testing_support::ToUtf8(address);
    EXPECT_EQ(a.postalCode, b.postalCode) << testing_support::ToUtf8(address);
  }
}

}  // namespace
