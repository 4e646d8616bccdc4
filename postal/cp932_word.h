// A word of a generated cp932 table (tools/cp932_words.py) by the name its
// UTF-8 table gives it, so that a test can check the bytes against the table.
#pragma once

namespace postal {

struct Cp932Word {
  const char* name;
  const char* bytes;
  int index;  // the place in a list, or -1 for a single word
};

}  // namespace postal
