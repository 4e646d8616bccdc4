#include "lists/list_form.h"

#include <cstring>

#include "lists/csv_quoting.h"
#include "lists/utf16.h"

namespace lists {

ListStart ClassifyStart(const char* data, size_t size) {
  if (size > kFormSample) size = kFormSample;
  if (Utf16ByteOrderMark(data, size) != Utf16Order::kNone) return ListStart::kText;
  if (LooksLikeUtf16(data, size)) return ListStart::kUtf16WithoutBom;
  if (std::memchr(data, '\n', size) != nullptr) return ListStart::kText;
  // A last line's CR is no line end of its own: one line read as it is.
  const void* cr = std::memchr(data, '\r', size);
  const bool crInside = cr != nullptr && static_cast<const char*>(cr) + 1 < data + size;
  return crInside ? ListStart::kCrOnly : ListStart::kText;
}

char DecideSeparator(const char* data, size_t size) {
  if (size > kFormSample) size = kFormSample;
  // Either separator may end a cell: a quote after one opens a cell as the
  // reader would open it under that separator.
  Quoting quoting = Quoting::kCellStart;
  bool tab = false, comma = false, content = false;
  for (size_t i = 0; i < size; ++i) {
    const char c = data[i];
    quoting = NextQuoting(quoting, c, c == ',' || c == '\t');
    if (InsideQuotes(quoting) || c == '"') {
      content = true;
      continue;
    } else if (c == '\n') {
      if (content) break;  // the first line that is not blank decides
    } else if (c == '\t') {
      tab = true;
    } else if (c == ',') {
      comma = true;
    }
    if (c != '\n' && c != '\r') content = true;
  }
  return tab && !comma ? '\t' : ',';
}

char SeparatorFor(Separator asked, const char* data, size_t size) {
  switch (asked) {
    case Separator::kComma:
      return ',';
    case Separator::kTab:
      return '\t';
    case Separator::kFromFile:
      break;
  }
  return DecideSeparator(data, size);
}

ListHead ReadListHead(const std::string& raw, bool cut) {
  ListHead head;
  head.start = ClassifyStart(raw.data(), raw.size());
  if (head.start != ListStart::kText) return head;
  head.utf16 = Utf16ByteOrderMark(raw.data(), raw.size());
  if (head.utf16 == Utf16Order::kNone) {
    head.text = raw;
  } else {
    head.text = "\xEF\xBB\xBF";
    Utf16Decoder decoder(head.utf16);
    decoder.Append(raw.data() + kUtf16BomLength, raw.size() - kUtf16BomLength, head.text);
    if (!cut) decoder.Finish(head.text);
    head.start = ClassifyStart(head.text.data(), head.text.size());
    if (head.start != ListStart::kText) {
      head.text.clear();
      return head;
    }
  }
  const size_t lineEnd = head.text.rfind('\n');
  if (cut && lineEnd != std::string::npos) head.text.resize(lineEnd + 1);
  head.separator = DecideSeparator(head.text.data(), head.text.size());
  return head;
}

}  // namespace lists
