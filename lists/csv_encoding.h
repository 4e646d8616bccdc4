// The encoding of a CSV file of addresses, decided once at its start and
// then held for every row: UTF-8 or Shift-JIS (cp932).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lists {

enum class CsvEncoding {
  kUtf8WithBom,
  kUtf8,   // UTF-8 without a byte order mark
  kCp932,  // Shift-JIS, and a file of ASCII only
};

bool IsUtf8(CsvEncoding encoding);
size_t BomLength(CsvEncoding encoding);
// True when the bytes start with UTF-8's byte order mark.
bool StartsWithBom(const char* data, size_t size);

// How many bytes of lines past the first line holding a non-ASCII byte
// decide the encoding.
constexpr size_t kEncodingSample = 64 * 1024;

struct EncodingDecision {
  bool decided = true;  // false: neither UTF-8 nor Shift-JIS
  CsvEncoding encoding = CsvEncoding::kCp932;
  long line = 0;  // not decided: the first line that is not Shift-JIS
};

// Whether a sample's last line ends in it or runs on past it.
enum class SampleEnd { kWholeLine, kCut };

// Decides from a sample of whole lines (LF ends each, but for a last line
// cut), the first on line `firstLine`. Lines of
// ASCII only say nothing. UTF-8 when more lines are valid UTF-8 than not (a
// row typed in another program does not turn the file); otherwise Shift-JIS
// when every line is; otherwise not decided. A sample of ASCII only is
// cp932, as a file of ASCII only is.
EncodingDecision DecideEncoding(const char* data, size_t size, long firstLine, SampleEnd end);

// True when the bytes are UTF-8 throughout, or Shift-JIS (cp932) throughout.
bool IsUtf8Text(const char* data, size_t size);
bool IsCp932Text(const char* data, size_t size);

// A cell as cp932 for the resolver. From UTF-8, a character cp932 cannot
// write (or a byte that is no UTF-8) becomes "?": the resolver ignores what
// follows the address, so one odd character costs at most that row.
std::string CellAsCp932(const std::string& cell, CsvEncoding encoding);
void CellAsCp932(const std::string& cell, CsvEncoding encoding, std::string& cp932);
// A UTF-8 cell as cp932 the same way, and for each byte of `cp932` the
// offset in `cell` of the character it stands for, plus the cell's size at
// the end (when `offsets` is not null): what the resolver reads is cp932,
// what it gives back is cut from the cell as written.
void CellAsCp932(const std::string& cell, std::string& cp932, std::vector<uint32_t>* offsets);

}  // namespace lists
