// Generated from list_words.words by tools/cp932_words.py: edit the table, not this file.
// The words the list work writes into a file or reads from its header.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace lists {

// the columns a CSV file gets
// "郵便番号"
inline constexpr char kCodeColumnName[] = "\x97\x58\x95\xD6\x94\xD4\x8D\x86";
// "判定"
inline constexpr char kStatusColumnName[] = "\x94\xBB\x92\xE8";
// "照合"
inline constexpr char kAgreementColumnName[] = "\x8F\xC6\x8D\x87";
// "カスタマバーコード"
inline constexpr char kBarcodeColumnName[] = "\x83\x4A\x83\x58\x83\x5E\x83\x7D\x83\x6F\x81\x5B\x83\x52\x81\x5B\x83\x68";
// a name the file's header has already is told apart as coming from the address
// "（住所から"
inline constexpr char kOwnNameOpen[] = "\x81\x69\x8F\x5A\x8F\x8A\x82\xA9\x82\xE7";
// header cells over a column of names, as address lists and office directories write them
inline constexpr const char* kNameHeaders[] = {
    "\x96\xBC\x8F\xCC",  // "名称"
    "\x96\xBC\x91\x4F",  // "名前"
    "\x8E\x81\x96\xBC",  // "氏名"
    "\x88\xB6\x96\xBC",  // "宛名"
    "\x8E\xD0\x96\xBC",  // "社名"
    "\x89\xEF\x8E\xD0\x96\xBC",  // "会社名"
    "\x8A\x77\x8D\x5A\x96\xBC",  // "学校名"
    "\x96\x40\x90\x6C\x96\xBC",  // "法人名"
    "\x92\x63\x91\xCC\x96\xBC",  // "団体名"
    "\x8E\x7B\x90\xDD\x96\xBC",  // "施設名"
    "\x95\x61\x89\x40\x96\xBC",  // "病院名"
    "\x8E\x96\x8B\xC6\x8F\x8A\x96\xBC",  // "事業所名"
    "\x8E\x96\x8B\xC6\x8E\xD2\x96\xBC",  // "事業者名"
    "\x8C\xDA\x8B\x71\x96\xBC",  // "顧客名"
    "\x8E\xE6\x88\xF8\x90\xE6\x96\xBC",  // "取引先名"
};
// those of them, and the like, over a person's name rather than a company's
inline constexpr const char* kPersonNameHeaders[] = {
    "\x96\xBC\x91\x4F",  // "名前"
    "\x8E\x81\x96\xBC",  // "氏名"
    "\x88\xB6\x96\xBC",  // "宛名"
    "\x82\xA8\x96\xBC\x91\x4F",  // "お名前"
    "\x82\xB2\x8E\x81\x96\xBC",  // "ご氏名"
};
// the columns the lookup adds, and the mark of a name the header has already
inline constexpr const char* kLookupColumnNames[] = {
    "\x93\x73\x93\xB9\x95\x7B\x8C\xA7",  // "都道府県"
    "\x8E\x73\x8B\xE6\x92\xAC\x91\xBA",  // "市区町村"
    "\x92\xAC\x88\xE6",  // "町域"
    "\x94\xBB\x92\xE8",  // "判定"
};
// "（郵便番号から"
inline constexpr char kLookupOwnNameOpen[] = "\x81\x69\x97\x58\x95\xD6\x94\xD4\x8D\x86\x82\xA9\x82\xE7";
// a six-digit code read with the leading 0 a spreadsheet dropped, as the summaries count it
// "先頭の 0 を補った"
inline constexpr char kZeroAdded[] = "\x90\xE6\x93\xAA\x82\xCC\x20\x30\x20\x82\xF0\x95\xE2\x82\xC1\x82\xBD";
// the columns of rows written before: the same address, the same address and name
// "重複"
inline constexpr char kDuplicateColumnName[] = "\x8F\x64\x95\xA1";
// "同一宛先"
inline constexpr char kSameRecipientColumnName[] = "\x93\xAF\x88\xEA\x88\xB6\x90\xE6";

inline constexpr postal::Cp932Word kListWordsTable[] = {
    {"kCodeColumnName", kCodeColumnName, -1},
    {"kStatusColumnName", kStatusColumnName, -1},
    {"kAgreementColumnName", kAgreementColumnName, -1},
    {"kBarcodeColumnName", kBarcodeColumnName, -1},
    {"kOwnNameOpen", kOwnNameOpen, -1},
    {"kNameHeaders", kNameHeaders[0], 0},
    {"kNameHeaders", kNameHeaders[1], 1},
    {"kNameHeaders", kNameHeaders[2], 2},
    {"kNameHeaders", kNameHeaders[3], 3},
    {"kNameHeaders", kNameHeaders[4], 4},
    {"kNameHeaders", kNameHeaders[5], 5},
    {"kNameHeaders", kNameHeaders[6], 6},
    {"kNameHeaders", kNameHeaders[7], 7},
    {"kNameHeaders", kNameHeaders[8], 8},
    {"kNameHeaders", kNameHeaders[9], 9},
    {"kNameHeaders", kNameHeaders[10], 10},
    {"kNameHeaders", kNameHeaders[11], 11},
    {"kNameHeaders", kNameHeaders[12], 12},
    {"kNameHeaders", kNameHeaders[13], 13},
    {"kNameHeaders", kNameHeaders[14], 14},
    {"kPersonNameHeaders", kPersonNameHeaders[0], 0},
    {"kPersonNameHeaders", kPersonNameHeaders[1], 1},
    {"kPersonNameHeaders", kPersonNameHeaders[2], 2},
    {"kPersonNameHeaders", kPersonNameHeaders[3], 3},
    {"kPersonNameHeaders", kPersonNameHeaders[4], 4},
    {"kLookupColumnNames", kLookupColumnNames[0], 0},
    {"kLookupColumnNames", kLookupColumnNames[1], 1},
    {"kLookupColumnNames", kLookupColumnNames[2], 2},
    {"kLookupColumnNames", kLookupColumnNames[3], 3},
    {"kLookupOwnNameOpen", kLookupOwnNameOpen, -1},
    {"kZeroAdded", kZeroAdded, -1},
    {"kDuplicateColumnName", kDuplicateColumnName, -1},
    {"kSameRecipientColumnName", kSameRecipientColumnName, -1},
};

}  // namespace lists
