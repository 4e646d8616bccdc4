#include "lists/list_head.h"

#include "lists/csv_survey.h"

namespace lists {

HeadCheck CheckListHead(const ListHead& head) {
  HeadCheck check;
  switch (head.start) {
    case ListStart::kUtf16WithoutBom:
      check.outcome = CsvOutcome::kUtf16WithoutBom;
      check.line = 1;
      return check;
    case ListStart::kCrOnly:
      check.outcome = CsvOutcome::kCrOnly;
      check.line = 1;
      return check;
    case ListStart::kText:
      break;
  }
  check.encoding = DecideHeadEncoding(head.text.data(), head.text.size());
  if (!check.encoding.decided) {
    check.outcome = CsvOutcome::kNotText;
    check.line = check.encoding.line;
  }
  return check;
}

}  // namespace lists
