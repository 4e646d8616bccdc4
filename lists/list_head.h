// One check of a list's head, before any row is read: the window's first
// look at a file and the stream refuse the same starts for the same reasons.
#pragma once

#include "lists/csv_encoding.h"
#include "lists/list_form.h"
#include "lists/list_result.h"

namespace lists {

struct HeadCheck {
  // kUtf16WithoutBom or kCrOnly for the file's form, kNotText when its
  // first lines are neither UTF-8 nor Shift-JIS; else kDone.
  CsvOutcome outcome = CsvOutcome::kDone;
  long line = 0;              // the line refused: 1 for the form's refusals
  EncodingDecision encoding;  // of the head's lines (DecideHeadEncoding)
};

HeadCheck CheckListHead(const ListHead& head);

// Whether `outcome` refuses the file for its form alone.
inline bool IsFormRefusal(CsvOutcome outcome) {
  return outcome == CsvOutcome::kUtf16WithoutBom || outcome == CsvOutcome::kCrOnly;
}

}  // namespace lists
