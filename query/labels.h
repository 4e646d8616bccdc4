// labels: a list printed on label sheets, envelopes or postcards, as a PDF.
#pragma once

#include <cstddef>
#include <string>

#include "labels/layout.h"
#include "labels/stock.h"
#include "lists/label_list.h"
#include "query/context.h"

namespace query {

struct LabelsRequest {
  std::string csvFile;
  std::string pdfFile;
  std::string countsFile;  // "" for none
  lists::LabelColumns columns;
  labels::Stock stock;
  labels::LayoutOptions layout;
  bool alignment = false;  // the alignment page alone
};

// Reads the command's flags; false for a usage error. Texts are converted
// with `context` (the sender's, --honorific's).
bool ReadLabelsRequest(const Context& context, const CommandArgs& args, LabelsRequest& request);

// What the run tells on stderr once the PDF is written, and the counts file
// of labels per 郵便区番号 (the code's first three digits).
void PrintLabelsSummary(const Context& context, const LabelsRequest& request, const lists::LabelList& list,
                        const labels::Check& check, const std::string& font);
bool WriteCounts(const std::string& path, const std::vector<labels::Label>& labels, lists::CsvEncoding encoding);
// The refusals of a layout that would cut a text or drop barcodes unasked:
// kExitRefused with the message, or kExitOk.
int LayoutRefusal(const LabelsRequest& request, const labels::Check& check);

}  // namespace query
