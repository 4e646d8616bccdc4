#include "lists/answer_cells.h"

#include "resolver/code_field.h"
#include "resolver/offices.h"

namespace lists {

void AnswerCellMaker::Make(const resolver::Resolution& resolution, size_t office, std::string_view address,
                           CellsAsked asked, AnswerCells& out) {
  MakeFrom(resolution, office, address, nullptr, asked, out);
}

void AnswerCellMaker::Make(const resolver::Resolution& resolution, size_t office,
                           const resolver::WrittenAddress& address, CellsAsked asked, AnswerCells& out) {
  MakeFrom(resolution, office, address.cp932, &address, asked, out);
}

void AnswerCellMaker::MakeFrom(const resolver::Resolution& resolution, size_t office, std::string_view address,
                               const resolver::WrittenAddress* written, CellsAsked asked, AnswerCells& out) {
  if (office != resolver::kNoOffice) {
    out.code.assign(resolver::OfficeAt(book_, office).postalCode);
    out.status = resolver::kOfficeStatusName;
  } else {
    out.code = resolver::CodeField(book_, resolution);
    out.status = resolver::StatusName(resolution.status);
  }
  out.hasParts = asked.parts && (written != nullptr ? parts_.Read(book_, resolution, *written, out.parts)
                                                    : parts_.Read(book_, resolution, address, out.parts));
  out.hasBarcode =
      asked.barcode && barcode::MakeAnswerBarcode(book_, resolution, office, address, towns_, out.barcode);
}

void AnswerCellMaker::MakeNone(AnswerCells& out) {
  out.code.clear();
  out.status = resolver::StatusName(resolver::Status::kNone);
  out.hasParts = out.hasBarcode = false;
}

}  // namespace lists
