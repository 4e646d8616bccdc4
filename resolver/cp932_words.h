// The cp932 characters and words the resolver reads in addresses and in the
// town column's notes. Escaped, so the core does not depend on a compiler's
// execution charset; each with its text in a comment.
#pragma once

#include <cstddef>
#include <cstdint>

#include "postal/text.h"

namespace resolver {

// One character of cp932 text: the double-byte code, or the single byte.
inline uint16_t CharCode(const char* p, size_t left) {
  const unsigned char lead = static_cast<unsigned char>(p[0]);
  if (left >= 2 && postal::IsDoubleByte(p)) return static_cast<uint16_t>(lead << 8 | static_cast<unsigned char>(p[1]));
  return lead;
}
inline size_t CharWidth(uint16_t code) { return code > 0xFF ? 2 : 1; }

namespace ch {
constexpr uint16_t kFullBlank = 0x8140;   // 　
constexpr uint16_t kComma = 0x8141;       // 、
constexpr uint16_t kDot = 0x8145;         // ・
constexpr uint16_t kLong = 0x815B;        // ー
constexpr uint16_t kBar = 0x815C;         // ―
constexpr uint16_t kHyphen = 0x815D;      // ‐
constexpr uint16_t kWave = 0x8160;        // ～
constexpr uint16_t kOpen = 0x8169;        // （
constexpr uint16_t kClose = 0x816A;       // ）
constexpr uint16_t kSquareOpen = 0x816B;  // 〔
constexpr uint16_t kSquareClose = 0x816C; // 〕
constexpr uint16_t kQuoteOpen = 0x8175;   // 「
constexpr uint16_t kQuoteClose = 0x8176;  // 」
constexpr uint16_t kMinus = 0x817C;       // － (also −)
constexpr uint16_t kDigit0 = 0x824F;      // ０
constexpr uint16_t kDigit9 = 0x8258;      // ９
constexpr uint16_t kUpperA = 0x8260;      // Ａ
constexpr uint16_t kUpperZ = 0x8279;      // Ｚ
constexpr uint16_t kLowerA = 0x8281;      // ａ
constexpr uint16_t kLowerZ = 0x829A;      // ｚ
constexpr uint16_t kNo = 0x82CC;          // の
constexpr uint16_t kKa = 0x834A;          // カ
constexpr uint16_t kNoKana = 0x836D;      // ノ
constexpr uint16_t kKe = 0x8350;          // ケ
constexpr uint16_t kSmallKa = 0x8395;     // ヵ
constexpr uint16_t kSmallKe = 0x8396;     // ヶ
constexpr uint16_t kDai = 0x91E6;         // 第
constexpr uint16_t kGun = 0x8C53;         // 郡
constexpr uint16_t kShi = 0x8E73;         // 市
constexpr uint16_t kKu = 0x8BE6;          // 区
constexpr uint16_t kKai = 0x8A4B;         // 階
constexpr uint16_t kJo = 0x8FF0;          // 条
constexpr uint16_t kSen = 0x90FC;         // 線
constexpr uint16_t kGo = 0x8D86;          // 号
constexpr uint16_t kBan = 0x94D4;         // 番
constexpr uint16_t kChi = 0x926E;         // 地
constexpr uint16_t kMe = 0x96DA;          // 目
constexpr uint16_t kShita = 0x89BA;       // 下
constexpr uint16_t kShitsu = 0x8EBA;      // 室
constexpr uint16_t kEast = 0x938C;        // 東
constexpr uint16_t kWest = 0x90BC;        // 西
constexpr uint16_t kSouth = 0x93EC;       // 南
constexpr uint16_t kNorth = 0x966B;       // 北
constexpr uint16_t kRepeat = 0x8158;      // 々
}  // namespace ch

// Kanji of cp932 (JIS levels 1 and 2, NEC's and IBM's extensions), and 々.
inline bool IsKanji(uint16_t code) {
  return code == ch::kRepeat || (code >= 0x889F && code <= 0x9FFC) || (code >= 0xE040 && code <= 0xEAA4) ||
         (code >= 0xED40 && code <= 0xEEFC) || (code >= 0xFA40 && code <= 0xFC4B);
}
inline bool IsKatakana(uint16_t code) { return code >= 0x8340 && code <= 0x8396; }

namespace word {
constexpr char kChome[] = "\x92\x9A\x96\xDA";        // 丁目
constexpr char kMachime[] = "\x92\xAC\x96\xDA";      // 町目
constexpr char kBanchi[] = "\x94\xD4\x92\x6E";       // 番地
constexpr char kBan[] = "\x94\xD4";                  // 番
constexpr char kGo[] = "\x8D\x86";                   // 号
constexpr char kJo[] = "\x8F\xF0";                   // 条
constexpr char kSen[] = "\x90\xFC";                  // 線
constexpr char kChiwari[] = "\x92\x6E\x8A\x84";      // 地割
constexpr char kOaza[] = "\x91\xE5\x8E\x9A";         // 大字
constexpr char kAza[] = "\x8E\x9A";                  // 字
constexpr char kChika[] = "\x92\x6E\x89\xBA";        // 地下
constexpr char kChikai[] = "\x92\x6E\x8A\x4B";       // 地階
constexpr char kKai[] = "\x8A\x4B";                  // 階
constexpr char kUp[] = "\x8F\xE3\x82\xE9";           // 上る
constexpr char kUpKana[] = "\x8F\xE3\x83\x8B";       // 上ル
constexpr char kDown[] = "\x89\xBA\x82\xE9";         // 下る
constexpr char kDownKana[] = "\x89\xBA\x83\x8B";     // 下ル
constexpr char kEastIn[] = "\x93\x8C\x93\xFC";       // 東入
constexpr char kWestIn[] = "\x90\xBC\x93\xFC";       // 西入
constexpr char kRu[] = "\x83\x8B";                   // ル
// "以下に掲載がない場合": the municipality's code for an unlisted town
constexpr char kNotListed[] = "\x88\xC8\x89\xBA\x82\xC9\x8C\x66\x8D\xDA\x82\xAA\x82\xC8\x82\xA2\x8F\xEA\x8D\x87";
// "の次に": "○○の次に番地がくる場合"
constexpr char kNextTo[] = "\x82\xCC\x8E\x9F\x82\xC9";
// "がくる場合"
constexpr char kComes[] = "\x82\xAA\x82\xAD\x82\xE9\x8F\xEA\x8D\x87";
constexpr char kWhole[] = "\x88\xEA\x89\x7E";                         // 一円
constexpr char kOther[] = "\x82\xBB\x82\xCC\x91\xBC";                 // その他
constexpr char kAllArea[] = "\x91\x53\x88\xE6";                       // 全域
// "次のビルを除く"
constexpr char kExceptBuildings[] = "\x8E\x9F\x82\xCC\x83\x72\x83\x8B\x82\xF0\x8F\x9C\x82\xAD";
// "地階・階層不明"
constexpr char kBasementOrUnknown[] = "\x92\x6E\x8A\x4B\x81\x45\x8A\x4B\x91\x77\x95\x73\x96\xBE";
constexpr char kExcept[] = "\x82\xF0\x8F\x9C\x82\xAD";               // を除く
constexpr char kOutside[] = "\x88\xC8\x8A\x4F";                      // 以外
constexpr char kIncluding[] = "\x82\xF0\x8A\xDC\x82\xDE";            // を含む
constexpr char kAndAlso[] = "\x8B\x79\x82\xD1";                      // 及び
constexpr char kAtLeast[] = "\x88\xC8\x8F\xE3";                      // 以上
constexpr char kAtMost[] = "\x88\xC8\x89\xBA";                       // 以下
constexpr char kFrom[] = "\x88\xC8\x8D\x7E";                         // 以降
constexpr char kWithin[] = "\x88\xC8\x93\xE0";                       // 以内
constexpr char kOnlyBanchi[] = "\x94\xD4\x92\x6E\x82\xCC\x82\xDD";   // 番地のみ
}  // namespace word

}  // namespace resolver
