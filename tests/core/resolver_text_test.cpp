// The resolver's readers over hand-written text: the normaliser, the lot
// numbers and floor after a town, and the notes of the town column.
#include <gtest/gtest.h>

#include <string>

#include "resolver/address_rest.h"
#include "resolver/normalize.h"
#include "resolver/note_match.h"
#include "resolver/note_reader.h"

namespace {

using resolver::Fit;

std::string Normal(const std::string& text) {
  std::string out;
  resolver::NormalizeText(text, out);
  return out;
}

TEST(ResolverNormalize, WritesEachSpellingOneWay) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"１２３ＡＢｃ", "123ABC"},                       // full-width digits and letters, upper case
      {"中央 １丁目　２", "中央1丁目2"},                // blanks dropped
      {"1－2‐3―4−5-6", "1-2-3-4-5-6"},                // dashes
      {"1ー2", "1-2"},                                  // the long vowel between digits
      {"ビール1", "ビール1"},                           // and elsewhere kept
      {"霞ヶ関", "霞ケ関"}, {"ヵ所", "カ所"},
      {"北一条西", "北1条西"}, {"二十三丁目", "23丁目"}, {"十丁目", "10丁目"},
      {"百二番地", "102番地"}, {"一〇号", "10号"}, {"第三地割", "第3地割"}, {"一町目", "1町目"},
      {"三線", "3線"}, {"二十階", "20階"}, {"五十嵐", "五十嵐"}, {"九十九里", "九十九里"},  // no unit after them
      // ニ and ハ typed for 二 and 八: numbers before a unit only, never beginning a katakana word
      {"尾倉ニ丁目6", "尾倉2丁目6"}, {"十ニ条", "12条"}, {"ハ番地", "8番地"}, {"旭市ニ1923", "旭市ニ1923"},
      {"ニハ丁目", "ニハ丁目"}, {"ニセコ町", "ニセコ町"}, {"ハイツ1", "ハイツ1"}, {"12番地ハ", "12番地ハ"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, Normal(c.text)) << c.text;
}

TEST(ResolverNormalize, FoldsTheKanaThatJoinKanji) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"霞が関", "霞ケ関"}, {"霞ヶ関", "霞ケ関"}, {"自由ガ丘", "自由ケ丘"}, {"一の橋", "一ノ橋"},
      {"がっこう", "がっこう"}, {"境町の次に", "境町ノ次に"}, {"40の1", "40の1"}, {"ケーキ", "ケーキ"},
      {"岐山通り1丁目", "岐山通1丁目"},
  };
  for (const auto& c : cases) {
    std::string text = Normal(c.text);
    resolver::FoldJoiningKana(text);
    EXPECT_EQ(c.expected, text) << c.text;
  }
}

TEST(ResolverNormalize, DropsAzaAnywhere) {
  std::string text = "浪岡大字高屋敷字野尻";
  resolver::DropAza(text);
  EXPECT_EQ("浪岡高屋敷野尻", text);
}

// The lot values a note reads, as "chome ban go chiwari".
std::string Lot(const std::string& text, bool chomeTown) {
  const std::string normal = Normal(text);
  const resolver::AddressRest rest = resolver::ReadRest(normal);
  const resolver::LotValues v =
      rest.Values(chomeTown ? resolver::FirstNumber::kChome : resolver::FirstNumber::kBanchi);
  std::string out;
  for (resolver::Level level : {resolver::Level::kChome, resolver::Level::kBan, resolver::Level::kGo,
                                resolver::Level::kChiwari}) {
    if (!out.empty()) out += ' ';
    const long value = v.At(level);
    out += value == resolver::kUnknown ? "-" : value == resolver::kAbsent ? "none" : std::to_string(value);
  }
  return out;
}

TEST(ResolverRest, ReadsTheLotAsTheTownsNotesSpeak) {
  const struct {
    const char* text;
    bool chomeTown;
    const char* expected;
  } cases[] = {
      {"6丁目1-2", false, "6 1 2 -"},
      {"1-2-3", true, "1 2 3 -"},
      {"1-2-3", false, "- 1 2 -"},
      {"500番地", true, "none 500 - -"},  // no 丁目 written
      {"648", true, "none 648 - -"},      // too large for a 丁目
      {"42", true, "42 - - -"},
      {"40番地の1", false, "- 40 1 -"},
      {"2丁目1番5号", false, "2 1 5 -"},
      {"第10地割12番地", false, "- 12 - 10"},
      {"10地割12", false, "- 12 - 10"},
      {"12階", false, "- - - -"},        // a floor is no lot
      {"国見25番地", false, "- 25 - -"},  // after a place name
      {"", true, "- - - -"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, Lot(c.text, c.chomeTown)) << c.text;
}

TEST(ResolverRest, ReadsTheFloorAfterTheLot) {
  const struct {
    const char* text;
    long floor;
    bool basement;
  } cases[] = {
      {"1-3-1アエル12階", 12, false}, {"1-3-1ビル12F", 12, false}, {"1-3-1アエル地下1階", -1, true},
      {"1-3-1アエルB1", -1, true},    {"1-3-1アエル地階", -1, true}, {"1-3-1アエル", -1, false},
  };
  for (const auto& c : cases) {
    const std::string normal = Normal(c.text);
    const resolver::AddressRest rest = resolver::ReadRest(normal);
    EXPECT_EQ(c.floor, rest.floor) << c.text;
    EXPECT_EQ(c.basement, rest.basement) << c.text;
  }
}

TEST(ResolverRest, FindsKyotoStreetClauses) {
  const char* clauses[] = {"烏丸通御池上る", "烏丸通御池上ル", "堀川通寺之内上る４丁目", "姉小路通御幸町西入",
                           "丸太町通大宮東入ル"};
  for (const char* text : clauses) {
    const std::string normal = Normal(text);
    EXPECT_EQ(normal.size(), resolver::StreetClauseEnd(normal)) << text;
  }
  EXPECT_EQ(0u, resolver::StreetClauseEnd(Normal("上野1丁目")));
}

// A note (its text inside the （）) tested against the text after the town.
Fit NoteFits(const std::string& note, const std::string& after, const std::string& street = std::string()) {
  resolver::NotePool pool;
  const std::string normalNote = Normal(note);
  const resolver::NoteRule rule = resolver::ReadNote(normalNote, pool);
  const std::string text = Normal(after);
  const resolver::AddressRest rest = resolver::ReadRest(text);
  resolver::MatchContext context;
  context.rest = &rest;
  context.chomeView = rest.Values(resolver::FirstNumber::kChome);
  context.banchiView = rest.Values(resolver::FirstNumber::kBanchi);
  std::string canonical;
  if (!street.empty()) {
    const std::string normalStreet = Normal(street);
    resolver::CanonicalStreet(normalStreet, canonical);
    context.street = canonical;
  }
  context.floor = rest.floor;
  context.basement = rest.basement;
  return resolver::MatchRule(rule, pool, context).fit;
}

TEST(ResolverNotes, ChomeRangesAndLists) {
  const struct {
    const char* note;
    const char* after;
    Fit fit;
  } cases[] = {
      {"１～１９丁目", "5丁目", Fit::kYes},        {"１～１９丁目", "20丁目", Fit::kNo},
      {"１～１９丁目", "5-3-1", Fit::kYes},        {"１～１９丁目", "", Fit::kMaybe},
      {"３５～３８、４１、４２丁目", "41丁目", Fit::kYes}, {"３５～３８、４１、４２丁目", "39丁目", Fit::kNo},
      {"３５～３８、４１、４２丁目", "36-1", Fit::kYes},
      {"２丁目１番１～２３号、２番", "2-1-5", Fit::kYes}, {"２丁目１番１～２３号、２番", "2-2-30", Fit::kYes},
      {"２丁目１番１～２３号、２番", "2-1-30", Fit::kNo}, {"２丁目１番１～２３号、２番", "2-3-1", Fit::kNo},
      {"４丁目１～２番・１０～２７番、５丁目", "4-12-1", Fit::kYes},
      {"４丁目１～２番・１０～２７番、５丁目", "4-5-1", Fit::kNo},
      {"１丁目「１１を除く」", "1-11", Fit::kNo}, {"１丁目「１１を除く」", "1-12", Fit::kYes},
      {"１丁目「１１を除く」", "1丁目", Fit::kMaybe},
      {"１－１－８、１－３－４", "1-3-4", Fit::kYes}, {"１－１－８、１－３－４", "1-3-5", Fit::kNo},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fit, NoteFits(c.note, c.after)) << c.note << " / " << c.after;
}

TEST(ResolverNotes, BanchiRangesListsAndBounds) {
  const struct {
    const char* note;
    const char* after;
    Fit fit;
  } cases[] = {
      {"１～１３１番地", "100番地", Fit::kYes},    {"１～１３１番地", "500", Fit::kNo},
      {"１～１３１番地", "131-5", Fit::kYes},      {"２００番以上", "250", Fit::kYes},
      {"２００番以上", "199", Fit::kNo},           {"４５０番地以下", "450", Fit::kYes},
      {"４５０番地以下", "451", Fit::kNo},         {"３０００番地以降", "3001", Fit::kYes},
      {"６７－４～１１３－７番地", "67-5", Fit::kYes}, {"６７－４～１１３－７番地", "67-3", Fit::kNo},
      {"６７－４～１１３－７番地", "67", Fit::kMaybe}, {"６７－４～１１３－７番地", "113-8", Fit::kNo},
      {"５３６３－７～８", "5363-8", Fit::kYes},   {"５３６３－７～８", "5363-9", Fit::kNo},
      {"４００、４００－２番地", "400", Fit::kYes}, {"１７００番地～", "1800", Fit::kYes},
      {"４０の１番地、４１の２番地", "40番地の1", Fit::kYes},
      {"４３０番地以上「１７７０－１～２、１８６２－４２を除く」", "1770-1", Fit::kNo},
      {"４３０番地以上「１７７０－１～２、１８６２－４２を除く」", "1770-3", Fit::kYes},
      {"１－９７～１１６", "5", Fit::kMaybe},      // read two ways: may fit
  };
  for (const auto& c : cases) EXPECT_EQ(c.fit, NoteFits(c.note, c.after)) << c.note << " / " << c.after;
}

TEST(ResolverNotes, PlacesChiwariFloorsAndStreets) {
  const struct {
    const char* note;
    const char* after;
    const char* street;
    Fit fit;
  } cases[] = {
      {"石川原、田屋、二ツ堰", "田屋12", "", Fit::kYes},     {"石川原、田屋、二ツ堰", "前田12", "", Fit::kNo},
      {"石川原、田屋、二ツ堰", "", "", Fit::kMaybe},         // nothing written after the town
      {"国見２３～２９８番地", "国見25番地", "", Fit::kYes}, {"国見２３～２９８番地", "国見5番地", "", Fit::kNo},
      {"前川原２３２～２４４、３１１番地", "前川原311", "", Fit::kYes},  // the name carries on
      {"下久保「１７４を除く」", "下久保174", "", Fit::kNo},  {"下久保「１７４を除く」", "下久保175", "", Fit::kYes},
      {"烏帽子「榛名湖畔」", "烏帽子", "", Fit::kMaybe},
      {"第９地割～第１１地割", "第10地割12番地", "", Fit::kYes}, {"第９地割～第１１地割", "第12地割", "", Fit::kNo},
      {"１２階", "12階", "", Fit::kYes},                     {"１２階", "13階", "", Fit::kNo},
      {"地階・階層不明", "", "", Fit::kYes},                 {"地階・階層不明", "地下1階", "", Fit::kYes},
      {"地階・階層不明", "3階", "", Fit::kNo},
      {"大宮通椹木町下る、大宮通丸太町上る", "", "大宮通椹木町下ル", Fit::kYes},
      {"大宮通椹木町下る、大宮通丸太町上る", "", "松屋町通出水下る", Fit::kNo},
      {"大宮通椹木町下る、大宮通丸太町上る", "", "", Fit::kMaybe},
      {"丁目", "1丁目5", "", Fit::kYes},                     {"番地", "1丁目5", "", Fit::kNo},
      {"丁目", "柳目8", "", Fit::kNo},                       {"丁目", "648", "", Fit::kNo},
      {"１、２丁目", "337番地4", "", Fit::kNo},
      {"番地", "123", "", Fit::kYes},                        {"全域", "1", "", Fit::kYes},
      {"立川山を含む", "", "", Fit::kYes},                   {"２丁目「６５１、６６２番地」以外", "2-651", "", Fit::kNo},
      {"第４０地割「５７番地１２５、１７６を除く」～第４５地割", "第41地割", "", Fit::kYes},
      {"第４０地割「５７番地１２５、１７６を除く」～第４５地割", "第40地割", "", Fit::kMaybe},  // its limit unread
      {"第４０地割「５７番地１２５、１７６を除く」～第４５地割", "第16地割", "", Fit::kNo},
      {"第２地割「７０～１３６」～第４地割「３～１１」", "第4地割5", "", Fit::kMaybe},
      {"第２地割「７０～１３６」～第４地割「３～１１」", "第3地割5", "", Fit::kYes},
      {"１区", "1区5", "", Fit::kYes},                       {"１区", "2区5", "", Fit::kNo},  // a name with a digit
      {"乙を除く", "乙123", "", Fit::kNo},                   {"乙を除く", "123", "", Fit::kYes},
      {"１１０－２、１１０－７番地を除く", "110-2", "", Fit::kNo},
      {"１１０－２、１１０－７番地を除く", "110-3", "", Fit::kYes},
      {"中一里山「９番地の４、１２番地」", "中一里山12", "", Fit::kYes},  // only these lots
      {"中一里山「９番地の４、１２番地」", "中一里山9-5", "", Fit::kNo},
      {"１３、１４番地、１０番地の２、５", "10-2", "", Fit::kYes},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fit, NoteFits(c.note, c.after, c.street)) << c.note << " / " << c.after;
}

}  // namespace
