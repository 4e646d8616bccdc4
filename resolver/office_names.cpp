#include "resolver/office_names.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "postal/kana.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"

namespace resolver {

namespace {

// The legal forms of Japanese corporations as their laws name them (会社法,
// 一般社団・財団法人法, 私立学校法, 医療法, 社会福祉法, 特定非営利活動促進法…),
// with the abbreviations JIGYOSYO.CSV and letterheads use for them.
const char* const kLegalForms[] = {
    "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0",                                  // 株式会社
    "\x97\x4C\x8C\xC0\x89\xEF\x8E\xD0",                                  // 有限会社
    "\x8D\x87\x93\xAF\x89\xEF\x8E\xD0",                                  // 合同会社
    "\x8D\x87\x8E\x91\x89\xEF\x8E\xD0",                                  // 合資会社
    "\x8D\x87\x96\xBC\x89\xEF\x8E\xD0",                                  // 合名会社
    "\x91\x8A\x8C\xDD\x89\xEF\x8E\xD0",                                  // 相互会社
    "\x88\xEA\x94\xCA\x8E\xD0\x92\x63\x96\x40\x90\x6C",                  // 一般社団法人
    "\x88\xEA\x94\xCA\x8D\xE0\x92\x63\x96\x40\x90\x6C",                  // 一般財団法人
    "\x8C\xF6\x89\x76\x8E\xD0\x92\x63\x96\x40\x90\x6C",                  // 公益社団法人
    "\x8C\xF6\x89\x76\x8D\xE0\x92\x63\x96\x40\x90\x6C",                  // 公益財団法人
    "\x8E\xD0\x92\x63\x96\x40\x90\x6C",                                  // 社団法人
    "\x8D\xE0\x92\x63\x96\x40\x90\x6C",                                  // 財団法人
    "\x8A\x77\x8D\x5A\x96\x40\x90\x6C",                                  // 学校法人
    "\x8D\x91\x97\xA7\x91\xE5\x8A\x77\x96\x40\x90\x6C",                  // 国立大学法人
    "\x8C\xF6\x97\xA7\x91\xE5\x8A\x77\x96\x40\x90\x6C",                  // 公立大学法人
    "\x91\xE5\x8A\x77\x8B\xA4\x93\xAF\x97\x98\x97\x70\x8B\x40\x8A\xD6\x96\x40\x90\x6C",  // 大学共同利用機関法人
    "\x92\x6E\x95\xFB\x93\xC6\x97\xA7\x8D\x73\x90\xAD\x96\x40\x90\x6C",  // 地方独立行政法人
    "\x93\xC6\x97\xA7\x8D\x73\x90\xAD\x96\x40\x90\x6C",                  // 独立行政法人
    "\x8D\x91\x97\xA7\x8C\xA4\x8B\x86\x8A\x4A\x94\xAD\x96\x40\x90\x6C",  // 国立研究開発法人
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C\x8E\xD0\x92\x63",                  // 医療法人社団
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C\x8D\xE0\x92\x63",                  // 医療法人財団
    "\x8E\xD0\x89\xEF\x88\xE3\x97\xC3\x96\x40\x90\x6C",                  // 社会医療法人
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C",                                  // 医療法人
    "\x8E\xD0\x89\xEF\x95\x9F\x8E\x83\x96\x40\x90\x6C",                  // 社会福祉法人
    "\x93\xC1\x92\xE8\x94\xF1\x89\x63\x97\x98\x8A\x88\x93\xAE\x96\x40\x90\x6C",  // 特定非営利活動法人
    "\x82\x6D\x82\x6F\x82\x6E\x96\x40\x90\x6C",                          // ＮＰＯ法人
    "\x8F\x40\x8B\xB3\x96\x40\x90\x6C",                                  // 宗教法人
    "\x8D\x58\x90\xB6\x95\xDB\x8C\xEC\x96\x40\x90\x6C",                  // 更生保護法人
    "\x95\xD9\x8C\xEC\x8E\x6D\x96\x40\x90\x6C",                          // 弁護士法人
    "\x90\xC5\x97\x9D\x8E\x6D\x96\x40\x90\x6C",                          // 税理士法人
    "\x8E\x69\x96\x40\x8F\x91\x8E\x6D\x96\x40\x90\x6C",                  // 司法書士法人
    "\x8D\x73\x90\xAD\x8F\x91\x8E\x6D\x96\x40\x90\x6C",                  // 行政書士法人
    "\x8A\xC4\x8D\xB8\x96\x40\x90\x6C",                                  // 監査法人
    "\x81\x69\x8A\x94\x81\x6A",                                          // （株）
    "\x81\x69\x97\x4C\x81\x6A",                                          // （有）
    "\x81\x69\x8D\x87\x81\x6A",                                          // （合）
    "\x81\x69\x8E\x91\x81\x6A",                                          // （資）
    "\x81\x69\x96\xBC\x81\x6A",                                          // （名）
    "\x81\x69\x8E\xD0\x81\x6A",                                          // （社）
    "\x81\x69\x8D\xE0\x81\x6A",                                          // （財）
    "\x81\x69\x8A\x77\x81\x6A",                                          // （学）
    "\x81\x69\x88\xE3\x81\x6A",                                          // （医）
    "\x81\x69\x95\x9F\x81\x6A",                                          // （福）
    "\x81\x69\x93\xC6\x81\x6A",                                          // （独）
    "\x81\x69\x88\xEA\x8E\xD0\x81\x6A",                                  // （一社）
    "\x81\x69\x88\xEA\x8D\xE0\x81\x6A",                                  // （一財）
    "\x81\x69\x8C\xF6\x8E\xD0\x81\x6A",                                  // （公社）
    "\x81\x69\x8C\xF6\x8D\xE0\x81\x6A",                                  // （公財）
    "\x81\x69\x93\xC1\x94\xF1\x81\x6A",                                  // （特非）
    "\x87\x8A",                                                          // ㈱
    "\x87\x8B",                                                          // ㈲
};

// The words that name an organisation's main seat after its name: written
// or left out alike on letters to it.
const char* const kBranchWords[] = {
    "\x96\x7B\x95\x94",                                      // 本部
    "\x96\x7B\x8E\xD0",                                      // 本社
    "\x96\x7B\x93\x58",                                      // 本店
    "\x96\x7B\x8D\x5A",                                      // 本校
    "\x96\x7B\x89\x40",                                      // 本院
    "\x96\x7B\x92\xA1\x8E\xC9",                              // 本庁舎
    "\x96\x7B\x92\xA1",                                      // 本庁
    "\x96\x7B\x8A\xD9",                                      // 本館
    "\x96\x7B\x83\x4C\x83\x83\x83\x93\x83\x70\x83\x58",      // 本キャンパス
};

// Widths, blanks and kana kinds folded; letters upper case.
std::string Folded(std::string_view text) {
  const std::string source(text);
  std::string wide = postal::ToFullWidthHiragana(source);
  if (wide.empty()) wide = source;  // longer than the conversion takes
  std::string folded;
  NormalizeText(wide, folded);
  return folded;
}

// A table's words folded as names are, longest first, so that 医療法人社団
// goes before 医療法人 would leave 社団 behind.
std::vector<std::string> FoldedWords(const char* const* words, size_t count) {
  std::vector<std::string> folded;
  for (size_t i = 0; i < count; ++i) folded.push_back(Folded(words[i]));
  std::stable_sort(folded.begin(), folded.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return folded;
}

// Removes every occurrence of `word` that starts at a character boundary.
void RemoveWord(std::string& text, const std::string& word) {
  if (text.find(word) == std::string::npos) return;  // most names hold few forms
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, word.size(), word) == 0) {
      text.erase(i, word.size());
    } else {
      i += CharWidth(CharCode(text.data() + i, text.size() - i));
    }
  }
}

// True when `word` ends `text` at a character boundary.
bool EndsWithWord(const std::string& text, const std::string& word) {
  if (word.size() > text.size()) return false;
  size_t i = 0;
  while (i < text.size() - word.size()) i += CharWidth(CharCode(text.data() + i, text.size() - i));
  return i == text.size() - word.size() && text.compare(i, word.size(), word) == 0;
}

}  // namespace

std::string OfficeNameKey(std::string_view name) {
  static const std::vector<std::string> legalForms = FoldedWords(kLegalForms, std::size(kLegalForms));
  static const std::vector<std::string> branchWords = FoldedWords(kBranchWords, std::size(kBranchWords));
  std::string key = Folded(name);
  for (const std::string& form : legalForms) RemoveWord(key, form);
  for (const std::string& branch : branchWords) {
    if (key.size() > branch.size() && EndsWithWord(key, branch)) {
      key.resize(key.size() - branch.size());
      break;
    }
  }
  return key;
}

}  // namespace resolver
