#include "barcode/town_end.h"

#include "barcode/barcode_words.h"

#include "postal/text.h"
#include "resolver/normalize.h"
#include "resolver/town_name.h"

namespace barcode {

namespace {


// The text as the resolver compares it.
void Spell(std::string_view text, std::string& out) {
  resolver::NormalizeText(text, out);
  resolver::FoldJoiningKana(out);
  resolver::DropAza(out);
}

}  // namespace

size_t TownFinder::AfterTown(std::string_view address, std::string_view city, std::string_view town) {
  Spell(address, text_);
  size_t from = 0;
  if (!city.empty()) {
    Spell(city, name_);
    const size_t at = text_.find(name_);
    if (at != std::string::npos) from = at + name_.size();
  }
  town = resolver::BeforeNote(town);
  if (town.empty()) return from == 0 ? kNoTown : TypedOffset(address, from);
  Spell(town, name_);
  if (name_.empty()) return kNoTown;
  const size_t at = text_.find(name_, from);
  if (at == std::string::npos) return kNoTown;
  return TypedOffset(address, at + name_.size());
}

size_t TownFinder::AfterResolvedTown(std::string_view address, const resolver::Resolution& resolution) {
  if (resolution.status != resolver::Status::kExact && resolution.status != resolver::Status::kAmbiguous) {
    return kNoTown;
  }
  // Spelled as Resolve spelled it, each byte knowing where it came from.
  resolver::NormalizeText(address, text_, origins_);
  resolver::FoldJoiningKana(text_, &origins_);
  const bool placed = resolution.cityEnd <= resolution.townBegin && resolution.townBegin < resolution.townEnd &&
                      resolution.townEnd <= text_.size();
  return placed ? origins_[resolution.townEnd] : kNoTown;
}

// The shortest beginning of the typed text that spells as the first
// `normalizedEnd` bytes of its whole spelling. Spelling a beginning alone is
// what keeps this exact: the spelling of a character depends on what
// follows it (二十 before 丁目), so no table of offsets could say it.
size_t TownFinder::TypedOffset(std::string_view address, size_t normalizedEnd) {
  for (size_t i = 0; i <= address.size();) {
    Spell(address.substr(0, i), prefix_);
    if (prefix_.size() >= normalizedEnd && prefix_.compare(0, normalizedEnd, text_, 0, normalizedEnd) == 0) return i;
    if (i == address.size()) break;
    i += postal::IsDoubleByte(address.data() + i) && i + 1 < address.size() ? 2 : 1;
  }
  return kNoTown;
}

}  // namespace barcode
