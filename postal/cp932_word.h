// A word of a generated cp932 table (tools/cp932_words.py) by the name its
// UTF-8 table gives it, so that a test can check the bytes against the table.
#pragma once

namespace postal {

struct Cp932Word {
  const char* name;
  const char* bytes;
  int index;  // the place in a list (a pair's first 2n, its second 2n + 1), or -1 for a single word
};

// Two words that go together in a generated table: a reading and its
// spelling, a word and what it stands for.
struct Cp932Pair {
  const char* first;
  const char* second;
};

}  // namespace postal
