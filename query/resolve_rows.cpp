#include <algorithm>
#include <cstddef>
#include <string_view>

#include "encoding/text_encoding.h"
#include "query/json_rows.h"
#include "query/resolve.h"

namespace query {

namespace {

const char kCandidateSeparator[] = " / ";

void AppendCandidateJson(const resolver::TownRecord& record, std::string& json) {
  json += '{';
  AppendJsonField(json, "postal_code", record.postalCode);
  AppendJsonField(json, "city_code", record.cityCode);
  AppendJsonField(json, "prefecture", record.prefecture);
  AppendJsonField(json, "city", record.city);
  AppendJsonField(json, "town", record.town);
  json += '}';
}

}  // namespace

std::string OfficeAddress(const resolver::Office& office) {
  return std::string(office.prefecture).append(office.city).append(office.town).append(office.lot);
}

std::string OfficeJson(const resolver::AddressBook& book, size_t index) {
  const resolver::Office office = resolver::OfficeAt(book, index);
  return "{\"postal_code\": " + JsonString(std::string(office.postalCode)) +
         ", \"name\": " + JsonString(ToUtf8Text(std::string(office.name))) +
         ", \"address\": " + JsonString(ToUtf8Text(OfficeAddress(office))) + "}";
}

namespace {

// {"data", "symbols", "bars"}, or null for an answer without a barcode.
std::string BarcodeJson(const barcode::CustomerBarcode* code) {
  if (code == nullptr) return "null";
  return "{\"data\": " + JsonString(std::string(code->Data())) + ", \"symbols\": " +
         JsonString(barcode::SymbolsText(*code)) + ", \"bars\": " + JsonString(barcode::BarsText(*code)) + "}";
}

// "parts": {…} with every part, or null.
void AppendPartsJson(const resolver::AddressParts* parts, std::string& json) {
  if (parts == nullptr) {
    json += "null";
    return;
  }
  static const char* const kNames[resolver::kSplitPartCount] = {"prefecture", "city", "town", "subarea",
                                                                "chome",      "lot",  "building"};
  std::string utf8;
  const auto field = [&](const char* name, int index) {
    utf8.clear();
    resolver::AppendPart(*parts, index, true, utf8);
    json.append(json.back() == '{' ? "\"" : ", \"").append(name).append("\": ").append(JsonString(utf8));
  };
  json += '{';
  for (int i = 0; i < resolver::kSplitPartCount; ++i) field(kNames[i], i);
  AppendJsonField(json, "prefecture_kana", parts->prefectureKana);
  AppendJsonField(json, "city_kana", parts->cityKana);
  AppendJsonField(json, "town_kana", parts->townKana);
  field("normalized", resolver::kNormalizedPart);
  json += '}';
}

// The split fields, each in the output's encoding, a tab written as a blank.
void AppendSplitText(const resolver::AddressParts* parts, bool utf8, std::string& text) {
  for (int i = 0; i < resolver::kSplitPartCount; ++i) {
    text += '\t';
    if (parts == nullptr) continue;
    const size_t at = text.size();
    resolver::AppendPart(*parts, i, utf8, text);
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '\t', ' ');
  }
}

// cp932 text as the output's encoding.
std::string InOutput(const std::string& cp932, bool utf8) {
  std::string converted;
  return utf8 && encoding::Cp932ToUtf8(cp932, converted) ? converted : cp932;
}

}  // namespace

std::string ResolutionText(const resolver::AddressBook& book, const resolver::Resolution& r, const ResolvedLine& line,
                           bool utf8) {
  std::string text;
  if (line.office != resolver::kNoOffice) {
    // The office alone: its own code, its name and registered address.
    const resolver::Office office = resolver::OfficeAt(book, line.office);
    text.append(line.cells->code).append("\t").append(line.cells->status).append("\t");
    text.append(office.name).append(" ").append(office.prefecture).append(" ").append(office.city);
    text.append(" ").append(office.town).append(office.lot);
  } else {
    text.append(line.cells->code).append("\t").append(line.cells->status).append("\t");
    for (size_t i = 0; i < r.candidates.size(); ++i) {
      const resolver::TownRecord& record = book.Record(r.candidates[i]);
      if (i > 0) text += kCandidateSeparator;
      text.append(record.prefecture).append(" ").append(record.city).append(" ").append(record.town);
    }
  }
  if (line.given != nullptr) text += "\t" + *line.given + "\t" + resolver::AgreementText(line.agreement);
  text = InOutput(text, utf8);
  if (line.split) AppendSplitText(line.parts, utf8, text);
  if (line.barcodeAsked) text += "\t" + std::string(line.barcode != nullptr ? line.barcode->Data() : "");
  return text;
}

std::string ResolutionJson(const resolver::AddressBook& book, const resolver::Resolution& r, const ResolvedLine& line) {
  std::string json = "{\"input\": " + JsonString(line.inputUtf8);
  const std::string areaCode = r.postalCode.empty() ? std::string("null") : JsonString(r.postalCode);
  if (line.office != resolver::kNoOffice) {
    json += ", \"status\": " + JsonString(resolver::kOfficeStatusName);
    json += ", \"postal_code\": " + JsonString(std::string(resolver::OfficeAt(book, line.office).postalCode));
    json += ", \"area_code\": " + areaCode + ", \"office\": " + OfficeJson(book, line.office);
  } else {
    json += ", \"status\": " + JsonString(resolver::StatusName(r.status));
    json += ", \"postal_code\": " + areaCode;
  }
  json += ", \"candidates\": [";
  for (size_t i = 0; i < r.candidates.size(); ++i) {
    if (i > 0) json += ", ";
    AppendCandidateJson(book.Record(r.candidates[i]), json);
  }
  json += "]";
  if (line.given != nullptr) {
    json += ", \"given_code\": " + JsonString(ToUtf8Text(*line.given));
    json += ", \"agrees\": " + JsonString(ToUtf8Text(resolver::AgreementText(line.agreement)));
    if (line.givenOffice != resolver::kNoOffice) json += ", \"office\": " + OfficeJson(book, line.givenOffice);
  }
  json += ", \"parts\": ";
  AppendPartsJson(line.parts, json);
  if (line.barcodeAsked) json += ", \"barcode\": " + BarcodeJson(line.barcode);
  json += '}';
  return json;
}

}  // namespace query
