#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postal/line_reader.h"
#include "tests/core/test_support.h"

using postal::LineReader;

namespace {

std::vector<std::string> Pieces(const std::string& bytes, size_t max) {
  LineReader reader(bytes.data(), bytes.size(), max);
  std::vector<std::string> pieces;
  const char* text;
  size_t length;
  while (reader.Next(text, length)) pieces.emplace_back(text, length);
  return pieces;
}

}  // namespace

TEST(LineReader, ReadsLinesAsTextModeDoes) {
  struct Case {
    std::string bytes;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb\n", {"a", "", "b"}},
      {"l\rc\n", {"l\rc"}},
      // Over the limit: pieces of 4, and a full piece leaves its line end for an empty one.
      {"abcdefghij\r\n", {"abcd", "efgh", "ij"}},
      {"abcd\r\nxy\n", {"abcd", "", "xy"}},
      {"abcdefgh\n", {"abcd", "efgh", ""}},
      {"abcd", {"abcd"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.pieces, Pieces(c.bytes, 4)) << c.bytes;
}

TEST(LineReader, CountsPiecesAndReadsFilesLargerThanOneBlock) {
  testing_support::TempDir dir;
  std::string bytes;
  const int kLines = 40000;  // a few megabytes: several blocks
  for (int i = 0; i < kLines; ++i) bytes += std::to_string(i) + std::string(80, ',') + "\r\n";
  dir.path();
  testing_support::WriteFile(dir.File("big.csv"), bytes);
  LineReader reader(dir.File("big.csv"), 255);
  ASSERT_TRUE(reader.IsOpen());
  char line[256];
  size_t length;
  int n = 0;
  while (reader.NextInto(line, length)) {
    ASSERT_EQ(std::to_string(n) + std::string(80, ','), std::string(line, length));
    ++n;
  }
  EXPECT_EQ(kLines, n);
  EXPECT_EQ(kLines, reader.PieceCount());
  EXPECT_FALSE(LineReader(dir.File("missing.csv"), 255).IsOpen());
}

TEST(LineReader, SkipsToTheLinesThatHoldANeedle) {
  const std::string bytes = "one apple\r\ntwo pear\r\nthree apple pie\r\nfour\r\napple";
  LineReader reader(bytes.data(), bytes.size(), 255);
  std::vector<std::string> found;
  const char* text;
  size_t length;
  while (reader.SkipToLineContaining("apple") && reader.Next(text, length)) found.emplace_back(text, length);
  EXPECT_EQ((std::vector<std::string>{"one apple", "three apple pie", "apple"}), found);
}

TEST(LineReader, SkippingOverAFileMatchesReadingEveryLine) {
  testing_support::TempDir dir;
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; i < 60000; ++i) {
    std::string line = "line " + std::to_string(i) + (i % 997 == 0 ? " needle" : " hay") + std::string(40, '.');
    if (i % 997 == 0) expected.push_back(line);
    bytes += line + "\r\n";
  }
  testing_support::WriteFile(dir.File("f.csv"), bytes);
  LineReader reader(dir.File("f.csv"), 255);
  std::vector<std::string> found;
  const char* text;
  size_t length;
  while (reader.SkipToLineContaining("needle") && reader.Next(text, length)) found.emplace_back(text, length);
  EXPECT_EQ(expected, found);
}

// CR-only line ends make one line of the whole file: it is handed out in
// pieces as it comes, and a needle is found wherever it lies, also across
// the reader's 1 MiB blocks.
TEST(LineReader, DataWithoutLineEndsArrivesInPiecesAndIsSearchedWhole) {
  testing_support::TempDir dir;
  std::string bytes;
  while (bytes.size() < 3 * (1u << 20)) bytes += "13103,\"107  \",\"1070052\",\"x\"\r";
  const size_t across = (1u << 20) - 3;  // straddles the first block's end
  bytes.replace(across, 6, "needle");
  testing_support::WriteFile(dir.File("cr.csv"), bytes);

  LineReader reader(dir.File("cr.csv"), 255);
  const char* text;
  size_t length;
  size_t total = 0;
  while (reader.Next(text, length)) {
    ASSERT_LE(length, 255u);
    total += length;
  }
  EXPECT_EQ(bytes.size(), total);
  EXPECT_EQ(static_cast<long>((bytes.size() + 254) / 255), reader.PieceCount());

  LineReader skipping(dir.File("cr.csv"), 255);
  ASSERT_TRUE(skipping.SkipToLineContaining("needle"));
  ASSERT_TRUE(skipping.Next(text, length));
  EXPECT_NE(std::string::npos, std::string(text, length).find("needle"));
  EXPECT_FALSE(skipping.SkipToLineContaining("no such text"));
}
