// First guesses for a dialog that asks which columns of a CSV file hold the
// address and the code, and whether its first row names the columns. Each
// reads the first kGuessRows rows only, of text as ReadListHead gives it
// (its cells split as DecideSeparator says).
#pragma once

#include <cstddef>
#include <string>

#include "resolver/resolver.h"

namespace lists {

constexpr size_t kGuessRows = 100;

// The 1-based column whose cells resolve to a status other than none most
// often (the leftmost on a tie); 0 when no cell resolves.
size_t GuessAddressColumn(const resolver::AddressBook& book, const char* data, size_t size);

// The 1-based column in which most rows, and at least half of them, hold a
// 7-digit code as people write it (〒, blanks, dashes, full-width digits);
// 0 when no column does.
size_t GuessCodeColumn(const char* data, size_t size);

// The 1-based column whose first-row cell names the column of names
// (名称, 名前, 会社名, 氏名, 学校名…, blanks ignored); 0 when none does.
size_t GuessNameColumn(const char* data, size_t size);

// Whether a header cell (cp932) is over a person's name (氏名, 名前, 宛名…,
// blanks ignored) rather than a company's, for a label's honorific.
bool IsPersonNameHeader(const std::string& cell);

// True when the first row's address cell resolves to none and more than half
// of the rows after it resolve to something else.
bool GuessHeaderRow(const resolver::AddressBook& book, const char* data, size_t size, size_t addressColumn);

// True for a list of codes to be given their addresses: a code column as
// GuessCodeColumn finds one, and no column whose cells resolve in as many as
// half of the rows (a name that holds a place name resolves now and then).
bool GuessCodesWithoutAddresses(const resolver::AddressBook& book, const char* data, size_t size);
// For such a list: true when the first row's code cell is no code and at
// least half of the rows after it hold one.
bool GuessCodeHeaderRow(const char* data, size_t size, size_t codeColumn);

}  // namespace lists
