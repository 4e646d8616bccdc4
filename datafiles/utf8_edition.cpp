#include "datafiles/utf8_edition.h"

#include <cstdint>
#include <cstdio>

#include "datafiles/file_access.h"
#include "encoding/utf8_decode.h"

namespace datafiles {

namespace {

constexpr uint32_t kFirstJapanese = 0x3000;  // ideographic space; kana and kanji follow

}  // namespace

bool LooksLikeUtf8Edition(const std::string& head) {
  size_t end = head.size();
  int lines = 0;
  for (size_t i = 0; i < head.size(); ++i) {
    if (head[i] == '\n' && ++lines == kUtf8CheckLines) {
      end = i + 1;
      break;
    }
  }
  bool japanese = false;
  const char* p = head.data();
  const char* const stop = head.data() + end;
  while (p < stop) {
    uint32_t codePoint;
    const size_t length = encoding::DecodeUtf8(p, stop, codePoint);
    if (length == 0) return false;
    if (codePoint >= kFirstJapanese) japanese = true;
    p += length;
  }
  return japanese;
}

bool IsUtf8EditionFile(const std::string& path) {
  std::string head;
  if (!ReadFileHead(path, kUtf8CheckBytes, head)) return false;
  if (head.size() == kUtf8CheckBytes) {
    // The file goes on: look at whole lines only, so no character is cut.
    const size_t lastLineEnd = head.rfind('\n');
    if (lastLineEnd == std::string::npos) return false;
    head.resize(lastLineEnd + 1);
  }
  return LooksLikeUtf8Edition(head);
}

}  // namespace datafiles
