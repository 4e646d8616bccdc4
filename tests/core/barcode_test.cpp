// Japan Post's customer barcode: the rules as cases, the worked examples,
// the real size, the SVG read back, and zint's bars for real offices' data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "barcode/address_barcode.h"
#include "barcode/bar_layout.h"
#include "barcode/customer_barcode.h"
#include "resolver/offices.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

using barcode::CustomerBarcode;

struct RuleCase {
  const char* rule;
  const char* code;
  const char* rest;  // the text after the town, cp932
  const char* data;
  const char* symbols;  // "" where only the data is the point
};

// Japan Post's own examples come last, with their symbols and check digits.
const RuleCase kRuleCases[] = {
    {"full-width digits and letters", "1000001", "１２－３", "100000112-3", ""},
    {"lower case made upper", "1000001", "1-2-3b", "10000011-2-3B", ""},
    {"& / . removed", "1000001", "1/2.3&4", "10000011234", ""},
    {"・ removed", "1000001", "1・2", "100000112", ""},
    {"kanji numeral before 丁目", "1000001", "三丁目", "10000013", ""},
    {"kanji numeral before 丁", "1000001", "十一丁5", "100000111-5", ""},
    {"kanji numeral before 番地 and 号", "1000001", "二十一番地三号", "100000121-3", ""},
    {"kanji numeral before 地割 and 線", "1000001", "第百二地割西二線", "1000001102-2", ""},
    {"kanji numeral before の and ノ", "1000001", "五の七ノ8", "10000015-7-8", ""},
    {"kanji numeral elsewhere stays a word", "1000001", "五十嵐ビル2", "10000012", ""},
    {"digit by digit without 十", "1000001", "一〇番", "100000110", ""},
    {"two letters in a row as one -", "1000001", "3-2 ABCビル5", "10000013-2-5", ""},
    {"a letter run between digits is one -", "1100016", "5-6-3ABC10F", "11000165-6-3-10", ""},
    {"a letter run before a floor", "0010010", "３丁目２３－１ＴＨＥＰＥＡＫＳＡＰＰＯＲＯ１階", "00100103-23-1-1", ""},
    {"a letter run before a room", "1000001", "１－２ＴＯＰＳ１２０２", "10000011-2-1202", ""},
    {"a letter run's - stays before a letter", "1000001", "３－２８ＳＡＫＵＲＡ　Ｎ３２", "10000013-28-N32", ""},
    {"a single letter stays", "1000001", "3-2 B棟101", "10000013-2B101", ""},
    {"F after digits is a floor", "1000001", "1-2 10F", "10000011-2-10", ""},
    {"F alone is a letter", "1000001", "1-2 F", "10000011-2F", ""},
    {"other characters as one -", "1000001", "1番地　　ビル　2号", "10000011-2", ""},
    {"no - beside a letter", "1000001", "1-A-2", "10000011A2", ""},
    {"no - at either end", "1000001", "－1－", "10000011", ""},
    {"nothing after the town", "1000001", "", "1000001", "1000001CC4CC4CC4CC4CC4CC4CC4CC4CC4CC4CC4CC4CC46"},
    {"letters are two symbols", "1000001", "1-2 U", "10000011-2U",
     "10000011-2CC30CC4CC4CC4CC4CC4CC4CC4CC4CC2"},
    {"K to T are CC2", "1000001", "K1", "1000001K1",
     "1000001CC201CC4CC4CC4CC4CC4CC4CC4CC4CC4CC4CC6"},
    {"Japan Post 1", "2630023", "3丁目30-8　郵便ビル403号", "26300233-30-8-403", "26300233-30-8-403CC4CC4CC45"},
    {"Japan Post 2", "2730102", "　東3丁目-20-5　郵便・A&bコーポB604号", "27301023-20-5B604",
     "27301023-20-5CC11604CC4CC40"},
    {"Japan Post 3", "0270203", "第二十一地割大淵川480", "027020321-480",
     "027020321-480CC4CC4CC4CC4CC4CC4CC4CC5"},
    {"Japan Post 4, cut at 20", "0640804", "29丁目1524-23　第2郵便ハウス501", "064080429-1524-23-2-501",
     "064080429-1524-23-2-3"},
};

TEST(CustomerBarcode, FollowsJapanPostsRulesCaseByCase) {
  for (const RuleCase& c : kRuleCases) {
    CustomerBarcode made;
    barcode::MakeBarcode(c.code, c.rest, made);
    EXPECT_EQ(std::string(made.Data()), c.data) << c.rule;
    if (*c.symbols != '\0') {
      EXPECT_EQ(barcode::SymbolsText(made), c.symbols) << c.rule;
    }
    unsigned sum = 0;
    for (uint8_t value : made.symbols) sum += value;
    EXPECT_EQ(sum % 19, 0u) << c.rule;
  }
}

// zint's bars for Japan Post's first example, and the table's every symbol:
// the digits and "-" as data, CC1-CC3 as letters, CC4 as filling, CC5-CC8
// as the check digits of sums that call for them.
TEST(CustomerBarcode, BarsAreJapanPostsTable) {
  const struct {
    const char* data;
    const char* bars;
  } cases[] = {
      {"26300233-30-8-403", "FDFDADAFDFAFTTFTTFDADFADFATFTDFAFTTTFTADFTFTFADFTTDFATDATDATDAFTFDF"},
      {"0123456789-", "FDFTTFFTFDADFAFADFTFDAFAFDADFTFFTFTTDATDATDATDATDATDATDATDATDATFFDF"},
      {"AKU", "FDDATFTTDTAFTTADTFTTTDATDATDATDATDATDATDATDATDATDATDATDATDATDAATDDF"},
  };
  for (const auto& c : cases) {
    CustomerBarcode made;
    barcode::EncodeData(c.data, made);
    EXPECT_EQ(barcode::BarsText(made), c.bars) << c.data;
  }
  // Every check digit 0-18: "1" repeated n times sums n + 14 × (20 − n).
  const char* const checkBars[] = {"FTT", "FFT", "FDA", "DFA", "FAD", "FTF", "DAF", "AFD", "ADF", "TFF",
                                   "TFT", "DAT", "DTA", "ADT", "TDA", "ATD", "TAD", "TTF", "FFF"};
  for (int n = 0; n <= 20; ++n) {
    CustomerBarcode made;
    barcode::EncodeData(std::string(static_cast<size_t>(n), '1'), made);
    const unsigned check = (19 - (n + 14 * (20 - n)) % 19) % 19;
    EXPECT_EQ(made.CheckDigit(), check) << n;
    EXPECT_EQ(barcode::BarsText(made).substr(62, 3), checkBars[check]) << n;
  }
}

// Encoding its own data in place, the data cut at its area however long it is said to be.
TEST(CustomerBarcode, DataEncodedInPlaceStaysInItsArea) {
  CustomerBarcode made;
  for (char& c : made.data) c = '1';
  barcode::EncodeData(std::string_view(made.data, sizeof made.data), made);
  EXPECT_EQ(made.dataLength, barcode::kMaxData);
  EXPECT_EQ(made.data[barcode::kMaxData], '\0');
  EXPECT_EQ(barcode::SymbolsText(made).substr(0, barcode::kSymbolCount), std::string(barcode::kSymbolCount, '1'));
}

TEST(CustomerBarcode, RealSizeScalesFrom8To11Point5) {
  const struct {
    double points, scale;
  } cases[] = {{10, 1.0}, {8, 0.8}, {11.5, 1.15}, {6, 0.8}, {14, 1.15}};
  for (const auto& c : cases) {
    const barcode::BarLayout layout = barcode::LayoutAt(c.points);
    EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.points;
    EXPECT_NEAR(layout.Width(), (4 + 66 * 1.2 + 0.6) * c.scale, 1e-9) << c.points;
    EXPECT_NEAR(layout.Height(), 7.6 * c.scale, 1e-9) << c.points;
  }
  const barcode::BarLayout layout = barcode::LayoutAt(10);
  const struct {
    barcode::Bar bar;
    double y, height;
  } kinds[] = {{barcode::Bar::kLong, 2.0, 3.6},
               {barcode::Bar::kUpper, 2.0, 2.4},
               {barcode::Bar::kLower, 3.2, 2.4},
               {barcode::Bar::kTiming, 3.2, 1.2}};
  for (const auto& k : kinds) {
    const barcode::BarRect r = layout.Rect(66, k.bar);
    EXPECT_NEAR(r.x, 2.0 + 66 * 1.2, 1e-9);
    EXPECT_NEAR(r.width, 0.6, 1e-9);
    EXPECT_NEAR(r.y, k.y, 1e-9) << static_cast<char>(k.bar);
    EXPECT_NEAR(r.height, k.height, 1e-9) << static_cast<char>(k.bar);
  }
}

// The bars an SVG draws, read from its rects' heights and tops alone.
std::string BarsOfSvg(const std::string& svg) {
  const std::regex rect("<rect x=\"([0-9.]+)\" y=\"([0-9.]+)\" width=\"([0-9.]+)\" height=\"([0-9.]+)\" fill=\"#000\"");
  std::string bars;
  double lastX = -1;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator(); ++it) {
    const double x = std::stod((*it)[1]), y = std::stod((*it)[2]), height = std::stod((*it)[4]);
    if (lastX >= 0) {
      EXPECT_NEAR(x - lastX, 1.2, 1e-3) << "bars 1.2 mm apart";
    }
    lastX = x;
    if (height > 3) {
      bars += 'F';
    } else if (height > 2) {
      bars += y < 2.5 ? 'A' : 'D';
    } else {
      bars += 'T';
    }
  }
  return bars;
}

TEST(CustomerBarcode, SvgDrawsTheSameBarsAtRealSize) {
  CustomerBarcode made;
  barcode::EncodeData("27301023-20-5B604", made);
  const std::string svg = barcode::BarcodeSvg(made, barcode::LayoutAt(10));
  EXPECT_NE(svg.find("width=\"83.800mm\" height=\"7.600mm\""), std::string::npos) << svg.substr(0, 200);
  std::string bars = BarsOfSvg(svg.substr(svg.find("fill=\"#fff\"")));
  EXPECT_EQ(bars, barcode::BarsText(made));
}

// Whole addresses through the real address file: the town found where the
// resolver finds it, and the code's own town where it does not.
TEST(CustomerBarcode, AddressesFindTheirTownsInTheRealFile) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV in ../shared/data";
  const struct {
    const char* code;
    const char* address;
    const char* data;
    bool found;
  } cases[] = {
      {"2630023", "千葉市稲毛区緑町3丁目30-8　郵便ビル403号", "26300233-30-8-403", true},
      {"2730102", "千葉県鎌ケ谷市右京塚　東3丁目-20-5　郵便・A&bコーポB604号", "27301023-20-5B604", true},
      {"0270203", "岩手県宮古市大字津軽石第二十一地割大淵川480", "027020321-480", true},
      {"0640804", "札幌市中央区南四条西29丁目1524-23　第2郵便ハウス501", "064080429-1524-23-2-501", true},
      {"0650016", "北海道札幌市東区北六条東4丁目1-5", "06500164-1-5", true},        // the 六 is the town's
      {"2630023", "緑町3丁目30-8", "26300233-30-8", true},                           // no city: the code's town
      {"2630023", "千葉市稲毛区3丁目30-8", "2630023", false},                         // no town written
      // where the resolver's town ends: a building's line, a range of 地割, 郷 left out
      {"1066145", "港区六本木6丁目10番1号六本木ヒルズ森タワー４５階", "10661456-10-1-45", true},
      {"1076001", "東京都港区赤坂1-12-32アーク森ビル1階", "10760011-12-32-1", true},
      {"1006090", "東京都千代田区霞が関3-2-5霞が関ビル", "10060903-2-5", true},
      {"0287914", "岩手県九戸郡洋野町種市第23地割27-1", "028791423-27-1", true},
      {"8512106", "長崎県西彼杵郡時津町左底245-2", "8512106245-2", true},
  };
  barcode::TownFinder finder;
  resolver::Resolution resolution;
  for (const auto& c : cases) {
    resolver::Resolve(*book, c.address, resolution);
    CustomerBarcode made;
    const bool found =
        barcode::MakeAddressBarcode(*book, resolution, resolver::kNoOffice, c.code, c.address, finder, made);
    EXPECT_EQ(found, c.found) << c.address;
    EXPECT_EQ(std::string(made.Data()), c.data) << c.address;
  }
}

// Quoted cp932 CSV cells; JIGYOSYO.CSV quotes every text cell and has no
// quote inside one.
std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

// The bars zint draws for each data string (its --dump: three rows of
// modules, a bar on every other one; top row the upper half, bottom the lower).
std::vector<std::string> ZintBars(const std::vector<std::string>& data, const std::string& dir) {
  const std::string input = dir + "data.txt", output = dir + "dump.txt";
  std::ofstream(input) << [&] {
    std::string all;
    for (const std::string& d : data) all += d + "\n";
    return all;
  }();
  const std::string command = "zint -b JAPANPOST --batch --dump -i '" + input + "' > '" + output + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream dump(output);
  std::vector<std::string> rows;
  for (std::string line; std::getline(dump, line);) rows.push_back(line);
  const auto bits = [](const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size() + 1; i += 3) {
      const int byte = std::stoi(hex.substr(i, 2), nullptr, 16);
      for (int b = 7; b >= 0; --b) out += (byte >> b & 1) ? '1' : '0';
    }
    return out;
  };
  std::vector<std::string> bars;
  for (size_t r = 0; r + 2 < rows.size(); r += 3) {
    const std::string top = bits(rows[r]), bottom = bits(rows[r + 2]);
    std::string one;
    for (size_t k = 0; k < barcode::kBarCount && 2 * k < top.size(); ++k) {
      const bool up = top[2 * k] == '1', down = bottom[2 * k] == '1';
      one += up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
    }
    bars.push_back(one);
  }
  return bars;
}

// zint takes no more than the 20 symbols: the data cut there. False for
// data whose letter is cut in two, which zint cannot be given.
bool ZintInput(std::string_view data, std::vector<std::string>& inputs) {
  size_t symbols = 0, i = 0;
  for (; i < data.size() && symbols < barcode::kSymbolCount; ++i) symbols += data[i] >= 'A' && data[i] <= 'Z' ? 2 : 1;
  if (symbols > barcode::kSymbolCount) return false;
  inputs.emplace_back(data.substr(0, i));
  return true;
}

// Every 5th office of JIGYOSYO.CSV: its lot column read as the text after
// the town gives the data; the whole address through the resolver must find
// the same town, and zint must draw the same bars.
TEST(CustomerBarcode, RealOfficesAgreeWithZintAndTheirTown) {
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  if (offices.empty() || book == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV or JIGYOSYO.CSV in ../shared/data";
  if (std::system("zint --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no zint (tools/setup.sh installs it)";
  std::ifstream file(offices, std::ios::binary);
  std::vector<CustomerBarcode> made;
  std::vector<std::string> data;
  barcode::TownFinder finder;
  resolver::Resolution resolution;
  size_t lineNumber = 0, townMissed = 0, townDiffers = 0;
  for (std::string line; std::getline(file, line);) {
    if (lineNumber++ % 5 != 0) continue;
    const std::vector<std::string> cells = SplitCsv(line);
    if (cells.size() < 8) continue;
    const std::string& code = cells[7];
    made.emplace_back();
    barcode::MakeBarcode(code, cells[6], made.back());
    if (!ZintInput(made.back().Data(), data)) made.pop_back();
    const std::string address = cells[3] + cells[4] + cells[5] + cells[6];
    resolver::Resolve(*book, address, resolution);
    CustomerBarcode throughTown;
    if (!barcode::MakeAddressBarcode(*book, resolution, resolver::kNoOffice, code, address, finder, throughTown)) {
      ++townMissed;
    } else if (throughTown.Data() != made.back().Data()) {
      ++townDiffers;
    }
  }
  ASSERT_GT(data.size(), 2000u);
  // Where the offices' file ends a town sooner than the address file
  // (新潟's 下大川前通 and 下大川前通６ノ町) the address file's town is the
  // barcode's; and a few offices write a town the resolver cannot read.
  EXPECT_LT(townMissed * 50, data.size()) << townMissed << " of " << data.size() << " towns not found";
  EXPECT_LT(townDiffers * 50, data.size()) << townDiffers << " of " << data.size() << " towns end elsewhere";
  // And every symbol: digits, "-", the letters of CC1-CC3, and sums whose
  // check digits are each of the 19.
  for (const char* every : {"0123456789-", "1000001ABCDEF", "1000001GHIJKL", "1000001MNOPQR", "1000001STUVWX",
                            "1000001YZ"}) {
    made.emplace_back();
    barcode::EncodeData(every, made.back());
    data.emplace_back(every);
  }
  for (size_t n = 1; n <= barcode::kSymbolCount; ++n) {
    made.emplace_back();
    barcode::EncodeData(std::string(n, '1'), made.back());
    data.emplace_back(n, '1');
  }
  testing_support::TempDir dir;
  const std::vector<std::string> zint = ZintBars(data, dir.path());
  ASSERT_EQ(zint.size(), data.size());
  size_t differ = 0;
  for (size_t i = 0; i < data.size(); ++i) {
    if (zint[i] == barcode::BarsText(made[i])) continue;
    if (++differ <= 5) ADD_FAILURE() << data[i] << ": zint " << zint[i] << ", ours " << barcode::BarsText(made[i]);
  }
  EXPECT_EQ(differ, 0u) << "of " << data.size();
}

}  // namespace

namespace {

// The tool as a new user tries it, over a copy of the real address file.
TEST(CustomerBarcode, QueryToolPrintsRefusesAndAnnotates) {
  const std::string towns = testing_support::SharedDataFile("KEN_ALL.CSV");
  if (towns.empty()) GTEST_SKIP() << "no KEN_ALL.CSV in ../shared/data";
  testing_support::TempDir dir;
  testing_support::CopyFile(towns, dir.File("Ken_all.csv"));
  const std::vector<std::string> base = {"--dir", dir.path(), "--cp932"};
  const auto run = [&](std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), base.begin(), base.end());
    return testing_support::RunQueryTool(args, input);
  };
  const std::string svg = dir.File("b.svg");
  auto r = run({"barcode", "--svg", svg, "263-0023", "千葉市稲毛区緑町3丁目30-8　郵便ビル403号"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "26300233-30-8-403\t26300233-30-8-403CC4CC4CC45\t"
                   "FDFDADAFDFAFTTFTTFDADFADFATFTDFAFTTTFTADFTFTFADFTTDFATDATDATDAFTFDF\n");
  EXPECT_EQ(BarsOfSvg(testing_support::ReadFile(svg).substr(testing_support::ReadFile(svg).find("#fff"))),
            "FDFDADAFDFAFTTFTTFDADFADFATFTDFAFTTTFTADFTFTFADFTTDFATDATDATDAFTFDF");
  r = run({"barcode", "12-345", "千葉市"});
  EXPECT_EQ(r.exitCode, 2);
  r = run({"barcode", "2630023", "千葉市稲毛区"});
  EXPECT_EQ(r.out.substr(0, 8), "2630023\t");
  EXPECT_NE(r.err.find("not found"), std::string::npos) << r.err;
  r = run({"--json", "barcode"}, "0270203\t岩手県宮古市大字津軽石第二十一地割大淵川480\n");
  EXPECT_NE(r.out.find("\"data\": \"027020321-480\""), std::string::npos) << r.out;
  r = run({"resolve", "--barcode", "千葉県鎌ケ谷市右京塚　東3丁目-20-5　郵便・A&bコーポB604号", "千葉市"});
  EXPECT_EQ(r.out.substr(r.out.find('\n') - 18, 19), "\t27301023-20-5B604\n") << r.out;
  EXPECT_EQ(r.out.substr(r.out.size() - 2), "\t\n") << "an ambiguous answer has no barcode";
  // A code that does not fit, and characters that are no numbers nor Latin letters.
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string out;  // a part of standard output ("" for none at all)
    std::string err;  // a part of stderr ("" for nothing said)
  } fits[] = {
      {{"barcode", "1040061", "大阪府大阪市北区梅田3-1-1"}, 0, "10400613-1-1\t", "not the code of the address (5300001)"},
      {{"--json", "barcode", "1040061", "大阪府大阪市北区梅田3-1-1"}, 0,
       "\"agrees\": false, \"address_code\": \"5300001\"", "not the code"},
      {{"--json", "barcode", "1040061", "東京都中央区銀座4-6-16"}, 0, "\"agrees\": true, \"data\": \"10400614-6-16\"", ""},
      {{"barcode", "9999999", "東京都中央区銀座4-6-16"}, 2, "", "9999999 is in neither"},
      {{"barcode", "1000000", "東京都千代田区無名町1-2-3"}, 2, "", "以下に掲載がない場合"},
      {{"barcode", "104-0061"}, 0, "1040061\t1040061CC4", ""},
      {{"--utf8", "barcode", "1040061", u8"東京都中央区銀座4-6-16 Café 3F"}, 0, "10400614-6-16-3\t", ""},
      {{"--utf8", "--json", "barcode", "1070052", u8"東京都港区赤坂1-2-3 𠮷野ビル 2F"}, 0,
       u8"\"address\": \"東京都港区赤坂1-2-3 𠮷野ビル 2F\", \"agrees\": true, \"data\": \"10700521-2-3-2\"", ""},
      {{"barcode", "--svg", dir.File("no/b.svg"), "1040061"}, 1, "1040061\t", "cannot write"},
      {{"resolve", "--barcode", "港区六本木6丁目10番1号六本木ヒルズ森タワー４５階"}, 0, "\t10661456-10-1-45\n", ""},
  };
  for (const auto& f : fits) {
    const auto fit = run(f.args);
    EXPECT_EQ(fit.exitCode, f.exitCode) << f.args.back() << "\n" << fit.err;
    if (f.out.empty()) {
      EXPECT_EQ(fit.out, "") << f.args.back();
    } else {
      EXPECT_NE(fit.out.find(f.out), std::string::npos) << fit.out;
    }
    if (f.err.empty()) {
      EXPECT_EQ(fit.err, "") << f.args.back();
    } else {
      EXPECT_NE(fit.err.find(f.err), std::string::npos) << fit.err;
    }
  }
  const std::string csv = dir.File("in.csv");
  testing_support::WriteFile(csv, "name,address\r\nA,札幌市中央区南四条西29丁目1524-23\r\nB,千葉市\r\n");
  r = run({"resolve", "--csv", csv, "--column", "2", "--header", "--barcode"});
  EXPECT_EQ(r.out, "name,address,郵便番号,判定,カスタマバーコード\r\n"
                   "A,札幌市中央区南四条西29丁目1524-23,0640804,exact,064080429-1524-23\r\n"
                   "B,千葉市,\"2600000,2620000,2630000,2640000,2660000,2610000\",ambiguous,\r\n") << r.err;
}

}  // namespace
