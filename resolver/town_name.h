// A town's name as a line of the address file gives it, without the rest.
#pragma once

#include <string_view>

namespace resolver {

// The record's town (cp932) with its note （…） dropped, and a
// municipality's "以下に掲載がない場合" as the empty name: 赤坂（次のビルを除く）
// is 赤坂, 大通西（１～１９丁目） is 大通西. A view into `town`.
std::string_view TownWithoutNote(std::string_view town);

}  // namespace resolver
