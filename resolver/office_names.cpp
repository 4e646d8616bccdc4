#include "resolver/office_names.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "postal/kana.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/office_words.h"

namespace resolver {

namespace {

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
