// The fixed text buffers and limits of the program, in bytes (with the
// terminator where a buffer holds a C string).
#pragma once

#include <cstddef>

namespace kuranto {

constexpr int kFieldBytes = 256;     // a form field, a list cell, a detail text
constexpr int kRowTextBytes = 1000;  // one row rendered through a template
constexpr int kSettingBytes = 64;    // a template or another string setting
constexpr int kAddressBytes = 256;   // an address or a name typed into 住所から郵便番号
constexpr int kUrlBytes = 512;       // a link opened from the help menu
constexpr size_t kPastedBytes = 32 * 1024 * 1024;  // a column pasted into 住所の一覧から郵便番号
constexpr size_t kCandidatesShownBytes = 255;      // the candidates of a row in that dialog's list
constexpr size_t kCellShownBytes = 60;             // a cell of the CSV columns dialog
constexpr size_t kCsvHeadBytes = 1 << 20;          // what the CSV columns dialog and its guesses look at
constexpr unsigned long kUserNameBytes = 257;      // UNLEN + 1: the About box's user name
constexpr size_t kUserLineBytes = 300;             // the About box's line that holds it
constexpr int kClassNameBytes = 32;                // a window's class name, compared with ours

}  // namespace kuranto
