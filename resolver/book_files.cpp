#include "resolver/book_files.h"

namespace resolver {

bool LoadBookWithOffices(const std::string& addressFile, const std::string& officeFile, AddressBook& book,
                         std::string& error) {
  if (!book.Load(addressFile, error)) return false;
  std::string officeError;
  book.LoadOffices(officeFile, officeError);
  return true;
}

}  // namespace resolver
