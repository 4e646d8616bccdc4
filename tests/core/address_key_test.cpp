// Rows that are one address however they are written, and never further:
// the address key, the folds of buildings and names, and the 重複 column of
// a list decided in the file's order. Literals are cp932.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "lists/csv_annotate.h"
#include "lists/csv_survey.h"
#include "resolver/address_key.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "tests/common/csv_lines.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

using testing_support::ToUtf8;

struct PairCase {
  const char* a;
  const char* b;
  bool same;
};

// The key's text of `address`, "-" for a row with no key.
std::string KeyText(resolver::Resolver& resolver, const std::string& address) {
  resolver::Resolution resolution;
  resolver.Resolve(address, resolution);
  resolver::AddressKeyMaker maker;
  std::string text;
  return maker.KeyText(resolver.book(), resolution, resolver::kNoOffice, address, text) ? text : "-";
}

TEST(AddressKey, OneAddressHoweverWrittenAndNeverFurther) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in " << KURANTO_SHARED_DATA;
  resolver::Resolver resolver(*book);
  const std::vector<PairCase> cases = {
      // the prefecture left out, 丁目 as a hyphen, kanji and full-width numbers, 階 and F
      {"東京都千代田区神田神保町1-2-3 神保ビル5F", "千代田区神田神保町一丁目２番３号　神保ビル５階", true},
      {"東京都千代田区神田神保町1-2-3神保ビル5Ｆ", "東京都千代田区神田神保町１－２－３ 神保ビル 5 f", true},
      {"東京都千代田区神田神保町1-2-3 神保ビル五階", "東京都千代田区神田神保町1-2-3 神保ビル5階", true},
      {"東京都千代田区神田神保町1-2-3 ＪＩＮＢＯタワー", "東京都千代田区神田神保町1-2-3 jinboタワー", true},
      {"東京都千代田区神田神保町1-2-3 神保ビル・アネックス", "東京都千代田区神田神保町1-2-3 神保ビルアネックス", true},
      {"東京都千代田区神田神保町1-2-3 神保ビル601号室", "東京都千代田区神田神保町1-2-3 神保ビル601号", true},
      {"東京都千代田区神田神保町1-2-3 神保ハイツA－101", "東京都千代田区神田神保町1-2-3 神保ハイツAー101", true},
      {"東京都千代田区神田神保町1-2-3 神保ハイツA-101", "東京都千代田区神田神保町1-2-3 神保ハイツＡ－１０１", true},
      {"東京都千代田区神田神保町1-2-3 ｼﾞﾝﾎﾞｳﾋﾞﾙ", "東京都千代田区神田神保町1-2-3 ジンボウビル", true},
      {"東京都千代田区神田神保町1-2-3、神保ビル", "東京都千代田区神田神保町1-2-3神保ビル", true},
      {"愛知県常滑市奥栄町1-130", "愛知県常滑市奥栄町１丁目１３０番地", true},
      // another lot, floor, room, building; a building and none; ー after kana is no dash
      {"東京都千代田区神田神保町1-2-3", "東京都千代田区神田神保町1-2-4", false},
      {"東京都千代田区神田神保町1-2-3", "東京都千代田区神田神保町2-2-3", false},
      {"東京都千代田区神田神保町1-2-3 神保ビル5階", "東京都千代田区神田神保町1-2-3 神保ビル6階", false},
      {"東京都千代田区神田神保町1-2-3 神保ビル601号室", "東京都千代田区神田神保町1-2-3 神保ビル602号室", false},
      {"東京都千代田区神田神保町1-2-3 神保ビル601号室", "東京都千代田区神田神保町1-2-3 神保ビル601", false},
      {"東京都千代田区神田神保町1-2-3 神保ビルA", "東京都千代田区神田神保町1-2-3 神保ビルB", false},
      {"東京都千代田区神田神保町1-2-3 神保ビル", "東京都千代田区神田神保町1-2-3", false},
      {"東京都千代田区神田神保町1-2-3 神保タワー", "東京都千代田区神田神保町1-2-3 神保タワ-", false},
      // a town of one name in two municipalities
      {"東京都中野区本町1-2-3", "東京都渋谷区本町1-2-3", false},
  };
  for (const PairCase& c : cases) {
    const std::string a = KeyText(resolver, c.a), b = KeyText(resolver, c.b);
    EXPECT_NE("-", a) << ToUtf8(c.a);
    EXPECT_EQ(c.same, a == b) << ToUtf8(c.a) << " | " << ToUtf8(c.b) << "\n" << ToUtf8(a) << "\n" << ToUtf8(b);
  }
  // an ambiguous, a city and a none answer have no key: never one address with another
  for (const char* address : {"東京都港区赤坂1-2-3 赤坂ビル", "東京都千代田区どこにもない町1-2", "架空県架空市"}) {
    EXPECT_EQ("-", KeyText(resolver, address)) << ToUtf8(address);
  }
}

TEST(AddressKey, NamesFoldTheirLegalFormsAndNoMore) {
  const std::vector<PairCase> cases = {
      {"株式会社ABC", "（株）ＡＢＣ", true},
      {"株式会社ABC", "㈱abc", true},
      {"株式会社ABC", "(株) ABC", true},
      {"有限会社山田商店", "㈲山田商店", true},
      {"有限会社山田商店", "（有）山田・商店", true},
      {"特定非営利活動法人ひまわり", "ＮＰＯ法人ひまわり", true},
      {"山田 太郎", "山田太郎", true},
      {"株式会社ABC", "ABC株式会社", false},
      {"株式会社ABC", "有限会社ABC", false},
      {"株式会社ABC", "ABC", false},
      {"山田太郎", "山田次郎", false},
  };
  resolver::FoldScratch scratch;
  std::string a, b;
  for (const PairCase& c : cases) {
    resolver::FoldName(c.a, scratch, a);
    resolver::FoldName(c.b, scratch, b);
    EXPECT_EQ(c.same, a == b) << ToUtf8(c.a) << " | " << ToUtf8(c.b) << "\n" << ToUtf8(a) << "\n" << ToUtf8(b);
  }
}

// Full-width digits and dashes as ASCII, nothing else: the lot as another
// hand types it (a kanji numeral stays, as 三番町 must).
std::string AsciiDigits(const std::string& text) {
  std::string ascii;
  for (size_t i = 0; i < text.size();) {
    const std::string one = text.substr(i, resolver::CharWidth(resolver::CharCode(text.data() + i, text.size() - i)));
    const size_t digit = std::string("０１２３４５６７８９").find(one);
    ascii += one == "－" ? std::string("-") : digit != std::string::npos && digit % 2 == 0 ? std::string(1, static_cast<char>('0' + digit / 2)) : one;
    i += one.size();
  }
  return ascii;
}

// An office's 丁目 and lot numbers read apart from the resolver's parts:
// the numbers' units after a digit as "-" and 第 before one dropped, so that
// 1番地2 and 1-2 are one lot, 第80 and 80 one number, 1-2-3 and 1-2-34 two.
std::string LotForm(const std::string& lot) {
  std::string normal, form;
  resolver::NormalizeText(lot, normal);
  for (size_t i = 0; i < normal.size();) {
    const bool afterNumber = !form.empty() && ((form.back() >= '0' && form.back() <= '9') || form.back() == '-');
    bool unit = false;
    for (const char* word : {"丁目", "番地", "番", "号", "の"}) {
      if (afterNumber && normal.compare(i, std::string(word).size(), word) == 0) {
        if (form.back() != '-') form += '-';
        i += std::string(word).size();
        unit = true;
        break;
      }
    }
    if (unit) continue;
    if (normal.compare(i, std::string("第").size(), "第") == 0 && i + 2 < normal.size() && normal[i + 2] >= '0' &&
        normal[i + 2] <= '9') {
      i += std::string("第").size();
      continue;
    }
    const size_t width = resolver::CharWidth(resolver::CharCode(normal.data() + i, normal.size() - i));
    if (!(form.size() > 0 && form.back() == '-' && normal[i] == '-')) form.append(normal, i, width);
    i += width;
  }
  std::string numbers;  // up to the first character that is no number, a "-" before none dropped
  for (size_t i = 0; i < form.size() && (form[i] == '-' || (form[i] >= '0' && form[i] <= '9')); ++i) {
    if (form[i] == '-' && (i + 1 == form.size() || form[i + 1] < '0' || form[i + 1] > '9')) continue;
    numbers += form[i];
  }
  return numbers;
}

// Every office of JIGYOSYO.CSV written as the file writes it and again
// without its prefecture, in ASCII digits with a blank: both are one
// address; and no two offices whose lot numbers differ share a key.
TEST(AddressKey, EveryOfficeWrittenTwoWaysIsOneAddress) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (book == nullptr || offices.empty()) GTEST_SKIP() << "no KEN_ALL.CSV and JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  resolver::Resolver resolver(*book);
  size_t count = 0, keyed = 0, paired = 0;
  std::map<std::string, std::pair<std::string, std::string>> lotOfKey;  // a key's text: the first office's lot, address
  std::vector<std::string> apart, joined;
  for (const std::string& line : test_lines::SplitCrLfLines(testing_support::ReadFile(offices))) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    if (c.size() < 8) continue;
    ++count;
    const std::string written = c[3] + c[4] + c[5] + c[6];
    const std::string typed = c[4] + c[5] + " " + AsciiDigits(c[6]);
    const std::string a = KeyText(resolver, written);
    const std::string b = KeyText(resolver, typed);
    if (a == "-" || b == "-") continue;
    ++keyed;
    if (a == b) {
      ++paired;
    } else if (apart.size() < 5) {
      apart.push_back(ToUtf8(written + " | " + typed));
    }
    const std::string lot = LotForm(c[6]);
    const auto found = lotOfKey.emplace(a, std::make_pair(lot, written));
    if (!found.second && found.first->second.first != lot && joined.size() < 5) {
      joined.push_back(ToUtf8(found.first->second.second + " | " + written));
    }
  }
  EXPECT_GT(keyed, count * 9 / 10) << "of " << count << " offices";
  EXPECT_EQ(keyed, paired) << "written two ways, found apart, e.g. " << ::testing::PrintToString(apart);
  EXPECT_TRUE(joined.empty()) << "offices at two lots with one key: " << ::testing::PrintToString(joined);
}

std::string Annotated(const std::string& csv, unsigned threads, lists::CsvResult& result) {
  lists::CsvColumns columns;
  columns.address = 2;
  columns.name = 1;
  columns.header = true;
  columns.duplicates = true;
  lists::MemoryInput input(csv);
  std::string out;
  result = lists::AnnotateCsv(testing_support::SmallBook(), input, columns, [&](const char* d, size_t n) {
    out.append(d, n);
    return true;
  }, {}, threads);
  return out;
}

// Rows over many blocks resolved on several threads: each later row names
// the first in the file, whichever thread was quicker.
TEST(CsvDuplicates, LaterRowsNameTheFirstRowOfTheirAddressInFileOrder) {
  std::string csv = "名前,住所,重複\r\n";
  csv += "山田,東京都港区赤坂1-2-3 赤坂ビル5F,\r\n";           // line 2
  csv += "山田,東京都渋谷区神宮前1-2-3,\r\n";                  // ambiguous: no key
  for (size_t i = 0; csv.size() < 3 * lists::kBlockBytes; ++i) {
    csv += "佐藤" + std::to_string(i) + ",東京都港区芝公園" + std::to_string(i) + ",\r\n";
  }
  csv += "㈱山田,港区赤坂一丁目２番３号　赤坂ビル５階,\r\n";
  csv += "山田,港区赤坂1-2-3赤坂ビル５Ｆ,\r\n";
  csv += "山田,東京都渋谷区神宮前1-2-3,\r\n";
  const long last = static_cast<long>(std::count(csv.begin(), csv.end(), '\n'));
  lists::CsvResult one, several;
  const std::string out = Annotated(csv, 1, one);
  EXPECT_TRUE(out == Annotated(csv, 4, several)) << "the threads changed the output";
  EXPECT_EQ(0u, out.find("名前,住所,重複,郵便番号,判定,重複（住所から）,同一宛先\r\n"));
  const std::vector<std::string> lines = test_lines::SplitCrLfLines(out);
  ASSERT_EQ(static_cast<size_t>(last), lines.size());
  EXPECT_EQ("山田,東京都港区赤坂1-2-3 赤坂ビル5F,,1070052,exact,,", lines[1]);
  EXPECT_EQ("山田,東京都渋谷区神宮前1-2-3,,\"1500001,1500009\",ambiguous,,", lines[2]);
  EXPECT_EQ("㈱山田,港区赤坂一丁目２番３号　赤坂ビル５階,,1070052,exact,2,", lines[last - 3]);
  EXPECT_EQ("山田,港区赤坂1-2-3赤坂ビル５Ｆ,,1070052,exact,2,2", lines[last - 2]);
  EXPECT_EQ("山田,東京都渋谷区神宮前1-2-3,,\"1500001,1500009\",ambiguous,,", lines[last - 1]);
  EXPECT_EQ(1u, several.counts.addresses.duplicates.addresses);
  EXPECT_EQ(3u, several.counts.addresses.duplicates.rows);
  EXPECT_EQ(1u, several.counts.addresses.duplicates.recipients);
  EXPECT_EQ(2u, several.counts.addresses.duplicates.recipientRows);
}

}  // namespace
