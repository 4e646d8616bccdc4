// From an address as people write it to its postal code, read from the notes
// of the address file's town column. All text is cp932.
//
// A wrong `kExact` sends a letter to the wrong code: where the file's notes
// cannot tell two codes apart, the answer is `kAmbiguous` with both listed.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace resolver {

enum class Status {
  kExact,      // every fitting record carries one code
  kAmbiguous,  // the fitting records carry several codes
  kCity,       // the municipality is known, no town of it fits
  kNone,       // no municipality fits
};

// "exact", "ambiguous", "city", "none".
const char* StatusName(Status status);

// One town of the address file: a town name continued over several lines is
// joined into one record. Texts as Japan Post writes them, note included.
// The texts are views into the book that holds the record: they stay valid
// while that book lives and is not loaded again (moving the book keeps them).
struct TownRecord {
  std::string_view postalCode;  // 7 digits
  std::string_view oldCode;     // blanks removed
  std::string_view cityCode;    // 5 digits
  std::string_view prefecture, city, town;
  std::string_view prefectureKana, cityKana, townKana;
};

// The address file loaded once into a structure made for lookups. Immutable
// after loading: one book may serve any number of resolutions.
class AddressBook {
 public:
  AddressBook();
  ~AddressBook();
  AddressBook(AddressBook&&) noexcept;
  AddressBook& operator=(AddressBook&&) noexcept;

  // Loads the address file (the Shift-JIS edition, or the UTF-8 edition as
  // the program converts it). False, with `error` set, when it cannot be read.
  bool Load(const std::string& path, std::string& error);
  // The same from bytes in memory (tests, fuzzing).
  void LoadFromMemory(const char* data, size_t size);

  // Loads the business-office file (JIGYOSYO.CSV) beside the towns, so that
  // CheckCode knows the offices' own codes (offices.h finds them by name).
  // Load the address file first: loading it again drops the offices.
  bool LoadOffices(const std::string& path, std::string& error);
  void LoadOfficesFromMemory(const char* data, size_t size);
  size_t OfficeCount() const;

  size_t RecordCount() const;
  // Made on each call from the book's compact store: cheap, and its views
  // outlive it (they point into the book).
  TownRecord Record(size_t index) const;

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

struct Resolution {
  Status status = Status::kNone;
  // kExact: the code; kCity: the municipality's "以下に掲載がない場合" code
  // where it has one; otherwise empty.
  std::string postalCode;
  // Indices into the book, in file order: every fitting record (kExact,
  // kAmbiguous); the municipality's record (kCity, at most one); none (kNone).
  std::vector<size_t> candidates;
  // The municipality's 5-digit code when the fitting records (or, for
  // kCity, the one municipality found) share one; otherwise empty.
  std::string cityCode;
  // The address after the municipality's name, spelled as the resolver
  // compares it (大字 and 字 dropped): where offices read their town and lot.
  std::string afterCity;
  // Where the answer stands in the address as Resolve spells it
  // (NormalizeText, then FoldJoiningKana), as byte offsets: the
  // municipality's name ends at `cityEnd` (kExact, kAmbiguous, kCity), the
  // town's name is [townBegin, townEnd), empty where the address writes
  // none. A Kyoto street clause written first is [cityEnd, townBegin).
  size_t cityEnd = 0, townBegin = 0, townEnd = 0;
};

struct ResolveScratch;

// Resolves addresses over one book, with buffers of its own that it keeps
// from one address to the next. The book may serve any number of threads at
// once; a Resolver serves one at a time: each worker, line loop and dialog
// owns its own and passes it on. It holds the book by reference: the book
// outlives it.
class Resolver {
 public:
  explicit Resolver(const AddressBook& book);
  ~Resolver();
  Resolver(Resolver&&) noexcept;
  Resolver& operator=(Resolver&&) noexcept;

  const AddressBook& book() const { return *book_; }

  // Resolves one address. `out` is overwritten; its storage is reused, so a
  // caller resolving many addresses with one Resolution does not allocate
  // per address. Whatever follows the part of the text that was used is
  // ignored.
  void Resolve(const std::string& address, Resolution& out);

 private:
  const AddressBook* book_;
  std::unique_ptr<ResolveScratch> scratch_;
};

// One address with buffers made for it alone, kept nowhere: for a single
// answer. A loop keeps a Resolver.
void Resolve(const AddressBook& book, const std::string& address, Resolution& out);

// How a code already written beside an address agrees with its resolution.
enum class Agreement {
  kAgrees,         // 一致: the exact code
  kAmongCandidates,// 候補内: one of the candidates' codes
  kDisagrees,      // 不一致
  kUndecidable,    // 判定不能: no municipality found, or no code written
  kOffice,         // 事業所: a business office's own code, registered at the address
};

// "一致", "候補内", "不一致", "判定不能", "事業所" (cp932).
const char* AgreementText(Agreement agreement);

// `givenCode` in any form the number search accepts (〒, blanks, full-width
// digits, dashes).
Agreement CheckCode(const AddressBook& book, const Resolution& resolution, const std::string& givenCode);

}  // namespace resolver
