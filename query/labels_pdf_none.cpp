// The Windows tool has no PDF library: the window prints labels.
#include "query/labels_pdf.h"

namespace query {

std::unique_ptr<PdfLabels> PdfLabels::Open(std::string& error) {
  error = "this kuranto-query writes no PDF; print labels from the window (kuranto.exe)";
  return nullptr;
}

}  // namespace query
