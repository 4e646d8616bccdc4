// The resolver over a small hand-written address file: loading (split towns,
// line ends, long lines, the UTF-8 edition), the statuses, and CheckCode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resolver/resolver.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Agreement;
using resolver::Status;
using test_lines::AddressLine;
using testing_support::LoadedBook;

std::string Line(const std::string& city, const std::string& code, const std::string& pref, const std::string& name,
                 const std::string& town) {
  return AddressLine(city, code.substr(0, 3) + "  ", code, "ｶﾅ", "ｶﾅ", "ｶﾅ", pref, name, town);
}

std::vector<std::string> BookLines() {
  return {
      Line("01101", "0600000", "北海道", "札幌市中央区", "以下に掲載がない場合"),
      Line("01101", "0600042", "北海道", "札幌市中央区", "大通西（１～１９丁目）"),
      Line("01101", "0640820", "北海道", "札幌市中央区", "大通西（２０～２８丁目）"),
      // one town over two lines
      Line("01409", "0482402", "北海道", "余市郡仁木町", "大江（１丁目、２丁目「６５１、６６２、６６８番地」以外、"),
      Line("01409", "0482402", "北海道", "余市郡仁木町", "３丁目５、１３－４、２０、６７８、６８７番地）"),
      Line("08546", "3060433", "茨城県", "猿島郡境町", "境町の次に番地がくる場合"),
      Line("13206", "1830000", "東京都", "府中市", "以下に掲載がない場合"),
      Line("13206", "1830023", "東京都", "府中市", "宮町"),
      Line("34208", "7260000", "広島県", "府中市", "以下に掲載がない場合"),
  };
}

std::string Codes(const resolver::AddressBook& book, const resolver::Resolution& r) {
  std::string codes;
  for (size_t i : r.candidates) codes.append(codes.empty() ? "" : " ").append(book.Record(i).postalCode);
  return codes;
}

TEST(ResolverBook, JoinsATownSplitOverLines) {
  const resolver::AddressBook book = LoadedBook(testing_support::CrLfLines(BookLines()));
  ASSERT_EQ(8u, book.RecordCount());
  EXPECT_EQ("大江（１丁目、２丁目「６５１、６６２、６６８番地」以外、３丁目５、１３－４、２０、６７８、６８７番地）",
            book.Record(3).town);
  EXPECT_EQ("ｶﾅｶﾅ", book.Record(3).townKana);
  EXPECT_EQ("060", book.Record(0).oldCode);
}

TEST(ResolverBook, ReadsLfLinesAndLinesLongerThan255Bytes) {
  std::string note;
  for (int i = 1; i <= 60; ++i) note += (i > 1 ? "、" : "") + std::to_string(i * 10);
  std::vector<std::string> lines = BookLines();
  lines.push_back(Line("01101", "0609999", "北海道", "札幌市中央区", "長町（" + note + "番地）"));
  ASSERT_GT(lines.back().size(), 255u);
  std::string lf;
  for (const std::string& line : lines) lf += line + "\n";
  const resolver::AddressBook book = LoadedBook(lf);
  ASSERT_EQ(9u, book.RecordCount());
  resolver::Resolution r;
  resolver::Resolve(book, "札幌市中央区長町600番地", r);
  EXPECT_EQ(Status::kExact, r.status);
  EXPECT_EQ("0609999", r.postalCode);
}

TEST(ResolverBook, StatusesAndTheirCodes) {
  const resolver::AddressBook book = LoadedBook(testing_support::CrLfLines(BookLines()));
  const struct {
    const char* address;
    Status status;
    const char* code;
    const char* candidates;
    const char* cityCode;
  } cases[] = {
      {"北海道札幌市中央区大通西5丁目", Status::kExact, "0600042", "0600042", "01101"},
      {"札幌市中央区大通西", Status::kAmbiguous, "", "0600042 0640820", "01101"},
      {"札幌市中央区南1条", Status::kCity, "0600000", "0600000", "01101"},
      {"余市郡仁木町大江3丁目20", Status::kExact, "0482402", "0482402", "01409"},
      {"仁木町大江2丁目651", Status::kCity, "", "", "01409"},  // no row, no municipality's own code
      {"境町123", Status::kExact, "3060433", "3060433", "08546"},
      {"府中市宮町", Status::kExact, "1830023", "1830023", "13206"},
      {"府中市", Status::kAmbiguous, "", "1830000 7260000", ""},
      {"広島県府中市宮町", Status::kCity, "7260000", "7260000", "34208"},
      {"大通西5丁目", Status::kNone, "", "", ""},
      {"", Status::kNone, "", "", ""},
  };
  resolver::Resolution r;
  for (const auto& c : cases) {
    resolver::Resolve(book, c.address, r);
    EXPECT_EQ(c.status, r.status) << c.address;
    EXPECT_EQ(c.code, r.postalCode) << c.address;
    EXPECT_EQ(c.candidates, Codes(book, r)) << c.address;
    EXPECT_EQ(c.cityCode, r.cityCode) << c.address;
  }
}

TEST(ResolverBook, ChecksAGivenCode) {
  const resolver::AddressBook book = LoadedBook(testing_support::CrLfLines(BookLines()));
  const struct {
    const char* address;
    const char* given;
    Agreement agreement;
  } cases[] = {
      {"札幌市中央区大通西5丁目", "〒060-0042", Agreement::kAgrees},
      {"札幌市中央区大通西5丁目", "０６０００４２", Agreement::kAgrees},
      {"札幌市中央区大通西5丁目", "0640820", Agreement::kDisagrees},
      {"札幌市中央区大通西5丁目", "", Agreement::kUndecidable},
      {"札幌市中央区大通西", "064-0820", Agreement::kAmongCandidates},
      {"札幌市中央区大通西", "0600000", Agreement::kDisagrees},
      {"札幌市中央区南1条", "0600000", Agreement::kAgrees},
      {"札幌市中央区南1条", "0640820", Agreement::kAmongCandidates},  // a code of the municipality
      {"札幌市中央区南1条", "1830023", Agreement::kDisagrees},
      {"ほげ市", "0600042", Agreement::kUndecidable},
  };
  resolver::Resolution r;
  for (const auto& c : cases) {
    resolver::Resolve(book, c.address, r);
    EXPECT_EQ(c.agreement, resolver::CheckCode(book, r, c.given)) << c.address << " " << c.given;
  }
  EXPECT_STREQ("一致", resolver::AgreementText(Agreement::kAgrees));
  EXPECT_STREQ("候補内", resolver::AgreementText(Agreement::kAmongCandidates));
  EXPECT_STREQ("不一致", resolver::AgreementText(Agreement::kDisagrees));
  EXPECT_STREQ("判定不能", resolver::AgreementText(Agreement::kUndecidable));
  EXPECT_STREQ("exact", resolver::StatusName(Status::kExact));
  EXPECT_STREQ("ambiguous", resolver::StatusName(Status::kAmbiguous));
  EXPECT_STREQ("city", resolver::StatusName(Status::kCity));
  EXPECT_STREQ("none", resolver::StatusName(Status::kNone));
}

TEST(ResolverBook, LoadsTheUtf8EditionAndReadsACutNoteAsMayFit) {
  testing_support::TempDir dir;
  // The UTF-8 edition as Japan Post writes it, one note cut short.
  const std::vector<std::string> lines = {
      Line("01101", "0600042", "北海道", "札幌市中央区", "大通西（１～１９丁"),
      Line("01101", "0640820", "北海道", "札幌市中央区", "大通西（２０～２８丁目）"),
  };
  const std::string path = dir.File("utf_ken_all.csv");
  testing_support::WriteFile(path, testing_support::ToUtf8(testing_support::CrLfLines(lines)));
  resolver::AddressBook book;
  std::string error;
  ASSERT_TRUE(book.Load(path, error)) << error;
  ASSERT_EQ(2u, book.RecordCount());
  EXPECT_EQ("大通西（１～１９丁", book.Record(0).town);
  resolver::Resolution r;
  resolver::Resolve(book, "札幌市中央区大通西25丁目", r);
  EXPECT_EQ(Status::kAmbiguous, r.status) << "the cut note may still take 25丁目";
  EXPECT_EQ("0600042 0640820", Codes(book, r));
  EXPECT_FALSE(book.Load(dir.File("missing.csv"), error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
