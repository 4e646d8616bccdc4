// Office names compared as people write them. cp932 in and out.
#pragma once

#include <string>
#include <string_view>

namespace resolver {

// The name of an office reduced to what tells it apart: widths, blanks and
// kana kinds folded alike (ｶﾌﾞｼｷｶﾞｲｼｬ, カブシキガイシャ and かぶしきがいしゃ
// are one), every legal form dropped wherever it stands (株式会社, （株）, ㈱,
// 学校法人, 医療法人社団…), then one branch word at the end (本社, 本店,
// 本部…). Empty when nothing is left: a legal form alone names no office.
std::string OfficeNameKey(std::string_view name);

}  // namespace resolver
