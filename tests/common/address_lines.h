// Lines in the published layout, shared by the native and the Wine tests.
#pragma once

#include <string>
#include <vector>

namespace test_lines {

// One line of the all-address file as Japan Post writes it.
inline std::string AddressLine(const std::string& code, const std::string& oldNumber, const std::string& newNumber,
                               const std::string& prefKana, const std::string& cityKana, const std::string& townKana,
                               const std::string& pref, const std::string& city, const std::string& town) {
  return code + ",\"" + oldNumber + "\",\"" + newNumber + "\",\"" + prefKana + "\",\"" + cityKana + "\",\"" +
         townKana + "\",\"" + pref + "\",\"" + city + "\",\"" + town + "\",0,0,0,0,0,0";
}

// Lines joined with CR LF, as Japan Post writes them.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\r\n";
  return all;
}

// The hand-written sample address file: real places in the published order.
// The window tests use the lines every test knows; the core tests also take
// three that probe prefixes and ranges more closely (a second Sapporo line,
// a five-digit old number, an old number "10799" beside the "107" ones).
inline std::vector<std::string> SampleAddressLines(bool withCoreExtras) {
  struct SampleLine {
    std::string line;
    bool coreExtra;
  };
  const SampleLine all[] = {
      {AddressLine("01101", "060  ", "0600000", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "札幌市中央区",
                   "以下に掲載がない場合"),
       false},
      {AddressLine("01101", "064  ", "0640941", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｱｻﾋｶﾞｵｶ", "北海道", "札幌市中央区", "旭ケ丘"),
       true},
      {AddressLine("01202", "040  ", "0400000", "ﾎｯｶｲﾄﾞｳ", "ﾊｺﾀﾞﾃｼ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "函館市",
                   "以下に掲載がない場合"),
       false},
      {AddressLine("13101", "100  ", "1000001", "ﾄｳｷｮｳﾄ", "ﾁﾖﾀﾞｸ", "ﾁﾖﾀﾞ", "東京都", "千代田区", "千代田"), false},
      {AddressLine("13103", "107  ", "1070052", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶ", "東京都", "港区", "赤坂"), false},
      {AddressLine("13103", "107  ", "1076090", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｰｸﾋﾙｽﾞ", "東京都", "港区", "赤坂アークヒルズ"),
       false},
      {AddressLine("13103", "105  ", "1050011", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｼﾊﾞｺｳｴﾝ", "東京都", "港区", "芝公園"), false},
      {AddressLine("13113", "151  ", "1510051", "ﾄｳｷｮｳﾄ", "ｼﾌﾞﾔｸ", "ｾﾝﾀﾞｶﾞﾔ", "東京都", "渋谷区", "千駄ヶ谷"), false},
      {AddressLine("13229", "18801", "1880001", "ﾄｳｷｮｳﾄ", "ﾆｼﾄｳｷｮｳｼ", "ﾔｷﾞｻﾜ", "東京都", "西東京市", "谷戸町"), true},
      {AddressLine("14103", "220  ", "2200012", "ｶﾅｶﾞﾜｹﾝ", "ﾖｺﾊﾏｼﾆｼｸ", "ﾐﾅﾄﾐﾗｲ", "神奈川県", "横浜市西区", "みなとみらい"),
       false},
      {AddressLine("14103", "10799", "1079999", "ｶﾅｶﾞﾜｹﾝ", "ﾖｺﾊﾏｼﾆｼｸ", "ｱｶｻｶ", "神奈川県", "横浜市西区", "赤坂台"), true},
  };
  std::vector<std::string> lines;
  for (const SampleLine& sample : all) {
    if (withCoreExtras || !sample.coreExtra) lines.push_back(sample.line);
  }
  return lines;
}

}  // namespace test_lines
