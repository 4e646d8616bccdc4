#include "query/json_rows.h"

#include <cstdio>

#include "encoding/cp932_encode.h"
#include "encoding/text_encoding.h"
#include "postal/text.h"

namespace query {

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

struct Field {
  const char* name;
  const char* cp932;
};

std::string WithoutTrailingBlanks(const char* text) {
  std::string s = text;
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

template <size_t N>
std::string Object(const Field (&fields)[N]) {
  std::string json = "{";
  for (size_t i = 0; i < N; ++i) {
    if (i > 0) json += ',';
    json += JsonString(fields[i].name);
    json += ':';
    json += JsonString(ToUtf8Text(fields[i].cp932));
  }
  return json + "}";
}

}  // namespace

namespace {

// Appends `utf8` escaped, without the quotes around it.
void AppendEscaped(std::string& out, std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    // The run that needs no escape goes in whole: a list prints millions of these.
    size_t plain = i;
    while (plain < utf8.size() && static_cast<unsigned char>(utf8[plain]) >= 0x20 && utf8[plain] != '"' &&
           utf8[plain] != '\\') {
      ++plain;
    }
    out.append(utf8, i, plain - i);
    if (plain == utf8.size()) break;
    i = plain + 1;
    const char c = utf8[plain];
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {  // the other control characters
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
        out += escaped;
      }
    }
  }
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  AppendEscaped(out, utf8);
  out += '"';
  return out;
}

void AppendJsonField(std::string& json, const char* name, std::string_view cp932) {
  std::string utf8;
  if (!encoding::AppendUtf8OfCp932(cp932, utf8)) utf8 = ToUtf8Text(std::string(cp932));
  if (!json.empty() && json.back() != '{') json += ", ";
  json += '"';
  json += name;
  json += "\": \"";
  AppendEscaped(json, utf8);
  json += '"';
}

std::string ToUtf8Text(const std::string& cp932) {
  std::string utf8;
  // The program's own table first: it gives what the converter gives, without
  // opening a converter for each of a list's many fields.
  if (encoding::AppendUtf8OfCp932(cp932, utf8)) return utf8;
  utf8.clear();
  if (encoding::Cp932ToUtf8(cp932, utf8)) return utf8;
  // Some byte is no character: convert character by character.
  utf8.clear();
  for (size_t i = 0; i < cp932.size();) {
    const size_t length = postal::IsDoubleByte(cp932.c_str() + i) ? 2 : 1;
    std::string one;
    utf8 += encoding::Cp932ToUtf8(cp932.substr(i, length), one) ? one : kReplacement;
    i += length;
  }
  return utf8;
}

std::string AddressRowJson(const postal::AddressRecord& row) {
  const std::string oldCode = WithoutTrailingBlanks(row.oldNumber);
  const Field fields[] = {
      {"postal_code", row.newNumber}, {"old_code", oldCode.c_str()}, {"city_code", row.cityCode},
      {"prefecture", row.prefecture}, {"prefecture_kana", row.prefectureKana}, {"city", row.city},
      {"city_kana", row.cityKana},    {"town", row.town},            {"town_kana", row.townKana},
  };
  return Object(fields);
}

std::string OfficeRowJson(const postal::OfficeRecord& row) {
  const std::string oldCode = WithoutTrailingBlanks(row.oldNumber);
  const Field fields[] = {
      {"postal_code", row.number}, {"old_code", oldCode.c_str()}, {"city_code", row.cityCode},
      {"name", row.name},          {"name_kana", row.nameKana},   {"prefecture", row.prefecture},
      {"city", row.city},          {"town", row.town},
  };
  return Object(fields);
}

}  // namespace query
