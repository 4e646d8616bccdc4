// A tiny address book for the resolver's users: one exact town, one town
// whose records carry two codes, a municipality with its "以下に掲載がない場合"
// code. Literals are cp932 in the test builds.
#pragma once

#include <string>
#include <vector>

#include "tests/common/address_lines.h"

namespace test_lines {

inline std::vector<std::string> ResolverBookLines() {
  return {
      AddressLine("01101", "060  ", "0600000", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "札幌市中央区",
                  "以下に掲載がない場合"),
      AddressLine("01101", "064  ", "0640941", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｱｻﾋｶﾞｵｶ", "北海道", "札幌市中央区", "旭ケ丘"),
      AddressLine("13103", "107  ", "1070052", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶ", "東京都", "港区", "赤坂"),
      AddressLine("13103", "105  ", "1050011", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｼﾊﾞｺｳｴﾝ", "東京都", "港区", "芝公園"),
      // One town name, two codes: no address can tell them apart.
      AddressLine("13113", "150  ", "1500001", "ﾄｳｷｮｳﾄ", "ｼﾌﾞﾔｸ", "ｼﾞﾝｸﾞｳﾏｴ", "東京都", "渋谷区", "神宮前"),
      AddressLine("13113", "150  ", "1500009", "ﾄｳｷｮｳﾄ", "ｼﾌﾞﾔｸ", "ｼﾞﾝｸﾞｳﾏｴ", "東京都", "渋谷区", "神宮前"),
  };
}

}  // namespace test_lines
