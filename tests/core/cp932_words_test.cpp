// The generated cp932 words against their UTF-8 tables, converted by the
// project's own table: a header edited by hand, or a generator that parts
// from the converter on a character, shows here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "encoding/cp932_encode.h"
#include "barcode/barcode_words.h"
#include "datafiles/download_texts.h"
#include "lists/list_words.h"
#include "postal/characters.h"
#include "postal/template_words.h"
#include "postal/texts.h"
#include "resolver/address_key_words.h"
#include "resolver/characters.h"
#include "resolver/latin_words.h"
#include "resolver/office_words.h"
#include "resolver/words.h"
#include "tests/fuzz/fuzz_words.h"

namespace {

using WordKey = std::pair<std::string, int>;  // name, place in a list or -1

// The strings of an entry's right-hand side: "a", "b" with \n \r \t \" \\.
std::vector<std::string> Strings(const std::string& text) {
  std::vector<std::string> values;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '"') continue;
    std::string value;
    for (++i; i < text.size() && text[i] != '"'; ++i) {
      if (text[i] == '\\' && i + 1 < text.size()) {
        const char c = text[++i];
        value += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
      } else {
        value += text[i];
      }
    }
    values.push_back(value);
  }
  return values;
}

std::map<WordKey, std::string> TableAsUtf8(const std::string& relativePath) {
  std::ifstream in(std::string(KURANTO_SOURCE_DIR) + "/" + relativePath);
  EXPECT_TRUE(in) << relativePath;
  std::map<WordKey, std::string> words;
  std::vector<std::string> entries;  // an indented line goes on with the entry above it
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] == 'k') {
      entries.push_back(line);
    } else if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !entries.empty() && !entries.back().empty()) {
      entries.back() += line;
    } else {
      entries.emplace_back();
    }
  }
  for (const std::string& line : entries) {
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    std::string name = line.substr(0, line.find_first_of(" [="));
    const bool isList = line.compare(name.size(), 2, "[]") == 0;
    const std::vector<std::string> values = Strings(line.substr(equals + 1));
    for (size_t i = 0; i < values.size(); ++i) words[{name, isList ? static_cast<int>(i) : -1}] = values[i];
  }
  return words;
}

template <size_t N>
void ExpectTableMatches(const std::string& relativePath, const postal::Cp932Word (&generated)[N]) {
  const std::map<WordKey, std::string> utf8 = TableAsUtf8(relativePath);
  EXPECT_EQ(utf8.size(), N) << relativePath << ": the header has another set of words than its table";
  for (const postal::Cp932Word& word : generated) {
    const auto found = utf8.find({word.name, word.index});
    ASSERT_NE(found, utf8.end()) << relativePath << ": " << word.name;
    std::string expected;
    ASSERT_TRUE(encoding::Utf8ToCp932(found->second, expected)) << word.name << " has a character cp932 lacks";
    EXPECT_EQ(expected, word.bytes) << relativePath << ": " << word.name << " " << word.index;
  }
}

TEST(Cp932Words, EveryGeneratedWordIsItsTablesTextInTheProjectsCp932) {
  ExpectTableMatches("postal/texts.words", postal::kTextsTable);
  ExpectTableMatches("postal/characters.words", postal::ch::kCharactersTable);
  ExpectTableMatches("postal/template_words.words", postal::kTemplateWordsTable);
  ExpectTableMatches("datafiles/download_texts.words", datafiles::kDownloadTextsTable);
  ExpectTableMatches("lists/list_words.words", lists::kListWordsTable);
  ExpectTableMatches("resolver/characters.words", resolver::ch::kCharactersTable);
  ExpectTableMatches("resolver/words.words", resolver::word::kWordsTable);
  ExpectTableMatches("resolver/office_words.words", resolver::kOfficeWordsTable);
  ExpectTableMatches("resolver/latin_words.words", resolver::kLatinWordsTable);
  ExpectTableMatches("resolver/address_key_words.words", resolver::key_word::kAddressKeyWordsTable);
  ExpectTableMatches("barcode/barcode_words.words", barcode::kBarcodeWordsTable);
  ExpectTableMatches("tests/fuzz/fuzz_words.words", fuzz_words::kFuzzWordsTable);
}

}  // namespace
