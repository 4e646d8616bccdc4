// One text fitted into a width: set smaller down to a least size, then
// wrapped once. Widths come in ems from the back end's advances.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace labels {

// The ems of a UTF-8 text at 1 point, as the back end's font sets it.
using EmsOf = std::function<double(std::string_view utf8)>;

struct FittedText {
  std::string text;
  double points = 0;
  double ems = 0;  // its width in ems
};

// `text` (UTF-8) in at most `widthMm`: one line at `points` when it fits,
// else one line as large as fits down to `least`, else two lines, broken
// where both are shortest (between words, at a blank or a middle dot, when that costs little), as large
// as fits down to `least`. Sizes are cut to a tenth of a point. Appends
// the lines to `out`; false, with nothing appended, when even two lines
// at `least` are too wide.
bool FitText(const std::string& text, double widthMm, double points, double least, const EmsOf& ems,
             std::vector<FittedText>& out);

}  // namespace labels
