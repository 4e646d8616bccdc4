// A rectangle on the page in millimetres, y downwards.
#pragma once

namespace labels {

struct Rect {
  double x = 0, y = 0, width = 0, height = 0;
  double Right() const { return x + width; }
  double Bottom() const { return y + height; }
};

}  // namespace labels
