// Texts the core hands to the user, as cp932 bytes.
// Escaped so that the core does not depend on a compiler's execution charset.
#pragma once

namespace postal {

// "2文字以上入力してください。": refused: number shorter than two bytes
inline constexpr char kNeedTwoCharacters[] = "\x32\x95\xB6\x8E\x9A\x88\xC8\x8F\xE3\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// "データを入力してください。": refused: empty input
inline constexpr char kNeedInput[] = "\x83\x66\x81\x5B\x83\x5E\x82\xF0\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// "住所データがありません": the address file is missing
inline constexpr char kNoAddressData[] = "\x8F\x5A\x8F\x8A\x83\x66\x81\x5B\x83\x5E\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "北海道": first prefecture range record, whatever the file holds
inline constexpr char kHokkaido[] = "\x96\x6B\x8A\x43\x93\xB9";
// "市外局番": number-kind item that enables the area-place list
inline constexpr char kAreaCodeKind[] = "\x8E\x73\x8A\x4F\x8B\xC7\x94\xD4";

}  // namespace postal
