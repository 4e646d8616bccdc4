#include "datafiles/utf8_import.h"

#include <vector>

#include "encoding/cp932_encode.h"
#include "datafiles/file_access.h"
#include "encoding/utf8_decode.h"
#include "postal/line_reader.h"
#include "postal/records.h"
#include "postal/text.h"

namespace datafiles {

namespace {

constexpr int kLinesPerStep = 100;

// Columns from 0: the three kana columns, and the two town columns.
constexpr size_t kFirstKanaColumn = 3;
constexpr size_t kLastKanaColumn = 5;
constexpr size_t kTownKanaColumn = 5;
constexpr size_t kTownColumn = 8;

constexpr size_t kTownKeptBytes = sizeof(postal::AddressRecord{}.town) - 1;
constexpr size_t kTownKanaKeptBytes = sizeof(postal::AddressRecord{}.townKana) - 1;

constexpr unsigned char kVoiced = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoiced = 0xDF;  // ﾟ

// Half-width forms of the katakana U+30A1 (ァ) to U+30F4 (ヴ): the letter and
// its mark; {0, 0} where there is none (ヮ ヰ ヱ keep their full-width form).
struct HalfWidth {
  unsigned char letter;
  unsigned char mark;
};
constexpr uint32_t kFirstKatakana = 0x30A1;
constexpr uint32_t kLastKatakana = 0x30F4;
const HalfWidth kKatakana[kLastKatakana - kFirstKatakana + 1] = {
    {0xA7, 0}, {0xB1, 0}, {0xA8, 0}, {0xB2, 0}, {0xA9, 0}, {0xB3, 0}, {0xAA, 0}, {0xB4, 0},  // ァアィイゥウェエ
    {0xAB, 0}, {0xB5, 0}, {0xB6, 0}, {0xB6, kVoiced}, {0xB7, 0}, {0xB7, kVoiced}, {0xB8, 0}, {0xB8, kVoiced},  // ォオカガキギクグ
    {0xB9, 0}, {0xB9, kVoiced}, {0xBA, 0}, {0xBA, kVoiced}, {0xBB, 0}, {0xBB, kVoiced}, {0xBC, 0}, {0xBC, kVoiced},  // ケゲコゴサザシジ
    {0xBD, 0}, {0xBD, kVoiced}, {0xBE, 0}, {0xBE, kVoiced}, {0xBF, 0}, {0xBF, kVoiced}, {0xC0, 0}, {0xC0, kVoiced},  // スズセゼソゾタダ
    {0xC1, 0}, {0xC1, kVoiced}, {0xAF, 0}, {0xC2, 0}, {0xC2, kVoiced}, {0xC3, 0}, {0xC3, kVoiced}, {0xC4, 0},  // チヂッツヅテデト
    {0xC4, kVoiced}, {0xC5, 0}, {0xC6, 0}, {0xC7, 0}, {0xC8, 0}, {0xC9, 0}, {0xCA, 0}, {0xCA, kVoiced},  // ドナニヌネノハバ
    {0xCA, kSemiVoiced}, {0xCB, 0}, {0xCB, kVoiced}, {0xCB, kSemiVoiced}, {0xCC, 0}, {0xCC, kVoiced},  // パヒビピフブ
    {0xCC, kSemiVoiced}, {0xCD, 0}, {0xCD, kVoiced}, {0xCD, kSemiVoiced}, {0xCE, 0}, {0xCE, kVoiced},  // プヘベペホボ
    {0xCE, kSemiVoiced}, {0xCF, 0}, {0xD0, 0}, {0xD1, 0}, {0xD2, 0}, {0xD3, 0}, {0xAC, 0}, {0xD4, 0},  // ポマミムメモャヤ
    {0xAD, 0}, {0xD5, 0}, {0xAE, 0}, {0xD6, 0}, {0xD7, 0}, {0xD8, 0}, {0xD9, 0}, {0xDA, 0},  // ュユョヨラリルレ
    {0xDB, 0}, {0, 0}, {0xDC, 0}, {0, 0}, {0, 0}, {0xA6, 0}, {0xDD, 0}, {0xB3, kVoiced},  // ロヮワヰヱヲンヴ
};

// Kana punctuation and marks with a half-width form.
struct Punctuation {
  uint32_t codePoint;
  unsigned char halfWidth;
};
const Punctuation kKanaPunctuation[] = {
    {0x3001, 0xA4}, {0x3002, 0xA1}, {0x300C, 0xA2}, {0x300D, 0xA3},  // 、。「」
    {0x30FB, 0xA5}, {0x30FC, 0xB0},                                  // ・ー
    {0x309B, kVoiced}, {0x309C, kSemiVoiced},                        // ゛゜
    {0x3099, kVoiced}, {0x309A, kSemiVoiced},                        // combining marks
};

constexpr uint32_t kMinusSign = 0x2212;
constexpr uint32_t kFirstFullWidthAscii = 0xFF01;  // ！
constexpr uint32_t kLastFullWidthAscii = 0xFF5E;   // ～
constexpr uint32_t kFullWidthOffset = 0xFEE0;
constexpr uint32_t kFullWidthQuote = 0xFF02;       // would end the column's quotes
constexpr uint32_t kFullWidthComma = 0xFF0C;       // would split the column

// A character of a kana column as KEN_ALL.CSV writes it.
bool AppendKana(uint32_t codePoint, std::string& out) {
  if (codePoint >= kFirstKatakana && codePoint <= kLastKatakana) {
    const HalfWidth& half = kKatakana[codePoint - kFirstKatakana];
    if (half.letter != 0) {
      out += static_cast<char>(half.letter);
      if (half.mark != 0) out += static_cast<char>(half.mark);
      return true;
    }
  }
  for (const Punctuation& p : kKanaPunctuation) {
    if (p.codePoint == codePoint) {
      out += static_cast<char>(p.halfWidth);
      return true;
    }
  }
  if (codePoint == kMinusSign) {
    out += '-';
    return true;
  }
  if (codePoint >= kFirstFullWidthAscii && codePoint <= kLastFullWidthAscii && codePoint != kFullWidthQuote &&
      codePoint != kFullWidthComma) {
    out += static_cast<char>(codePoint - kFullWidthOffset);
    return true;
  }
  return encoding::AppendCp932(codePoint, out);
}

// Cuts the text between a column's quotes to at most `maxBytes` bytes at a
// character boundary. An unquoted column is left alone.
void CutQuoted(std::string& column, size_t maxBytes) {
  if (column.size() < 2 || column.front() != '"' || column.back() != '"') return;
  const std::string inner = column.substr(1, column.size() - 2);
  if (inner.size() <= maxBytes) return;
  column = '"' + postal::TruncateText(inner, maxBytes) + '"';
}

size_t LineLength(const std::vector<std::string>& columns) {
  size_t length = columns.size() - 1;  // the commas
  for (const std::string& c : columns) length += c.size();
  return length;
}

// Shortens the town columns until the line fits the reader (see the header).
void FitLine(std::vector<std::string>& columns) {
  if (columns.size() <= kTownColumn || LineLength(columns) <= postal::kAddressLineBytes) return;
  CutQuoted(columns[kTownColumn], kTownKeptBytes);
  CutQuoted(columns[kTownKanaColumn], kTownKanaKeptBytes);
  for (size_t column : {kTownKanaColumn, kTownColumn}) {
    const size_t length = LineLength(columns);
    if (length <= postal::kAddressLineBytes) return;
    const size_t inner = columns[column].size() >= 2 ? columns[column].size() - 2 : 0;
    const size_t over = length - postal::kAddressLineBytes;
    CutQuoted(columns[column], inner > over ? inner - over : 0);
  }
}

}  // namespace

ImportResult ConvertUtf8Edition(const std::string& utf8, std::string& cp932, const BuildProgress& progress) {
  ImportResult result;
  cp932.clear();
  cp932.reserve(utf8.size() * 2 / 3);
  const char* p = utf8.data();
  const char* const end = utf8.data() + utf8.size();
  static const char kByteOrderMark[] = "\xEF\xBB\xBF";
  if (utf8.compare(0, 3, kByteOrderMark) == 0) p += 3;
  std::vector<std::string> columns;
  for (long index = 0; p < end; ++index) {
    const char* lineEnd = p;
    while (lineEnd < end && *lineEnd != '\n') ++lineEnd;
    const char* const next = lineEnd < end ? lineEnd + 1 : end;
    if (lineEnd > p && lineEnd[-1] == '\r') --lineEnd;

    columns.assign(1, std::string());
    while (p < lineEnd) {
      uint32_t codePoint;
      const size_t length = encoding::DecodeUtf8(p, lineEnd, codePoint);
      if (length == 0) {
        result.status = ImportStatus::kNotUtf8;
        result.line = index + 1;
        result.character = static_cast<unsigned char>(*p);
        return result;
      }
      p += length;
      const size_t column = columns.size() - 1;
      if (codePoint == ',') {
        columns.emplace_back();
        continue;
      }
      const bool kana = column >= kFirstKanaColumn && column <= kLastKanaColumn;
      if (!(kana ? AppendKana(codePoint, columns.back()) : encoding::AppendCp932(codePoint, columns.back()))) {
        result.status = ImportStatus::kNoCp932Form;
        result.line = index + 1;
        result.character = codePoint;
        return result;
      }
    }
    FitLine(columns);
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) cp932 += ',';
      cp932 += columns[i];
    }
    cp932 += "\r\n";
    p = next;
    if (progress && index % kLinesPerStep == 0) progress(static_cast<int>(index / kLinesPerStep));
  }
  return result;
}

ImportResult ImportUtf8Edition(const std::string& source, const std::string& target, const BuildProgress& progress) {
  ImportResult result;
  std::string utf8;
  if (!ReadSmallFile(source, utf8)) {
    result.status = ImportStatus::kCannotRead;
    return result;
  }
  std::string cp932;
  result = ConvertUtf8Edition(utf8, cp932, progress);
  if (result.status != ImportStatus::kDone) return result;
  if (!WriteFileReplacing(target, cp932)) result.status = ImportStatus::kCannotWrite;
  return result;
}

std::string FindUtf8Edition(const std::string& directory) {
  const std::string name = FindNameIgnoringCase(directory, kUtf8EditionName);
  return FileExists(directory + name) ? name : std::string();
}

}  // namespace datafiles
