// A record's town as an address writes it. cp932.
#pragma once

#include <string_view>

namespace resolver {

// The town column without its note: "赤坂（次のビルを除く）" is 赤坂, and a
// municipality's "以下に掲載がない場合" line has no town at all (empty). A
// view into `town`.
std::string_view TownWithoutNote(std::string_view town);

// The town column before its note's （, whatever the town.
std::string_view BeforeNote(std::string_view town);

}  // namespace resolver
