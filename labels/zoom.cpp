#include "labels/zoom.h"

#include <algorithm>

namespace labels {

View FitView(const Rect& box, double left, double top, double width, double height, double margin) {
  View view;
  const double roomX = width - 2 * margin, roomY = height - 2 * margin;
  if (roomX <= 0 || roomY <= 0 || box.width <= 0 || box.height <= 0) return view;
  view.perMm = std::min(roomX / box.width, roomY / box.height);
  view.originX = left + (width - box.width * view.perMm) / 2 - box.x * view.perMm;
  view.originY = top + (height - box.height * view.perMm) / 2 - box.y * view.perMm;
  return view;
}

const LabelPlace* LabelAt(const Page& page, double x, double y) {
  for (const LabelPlace& place : page.labels) {
    const Rect& b = place.box;
    if (x >= b.x && x < b.Right() && y >= b.y && y < b.Bottom()) return &place;
  }
  return nullptr;
}

size_t PageOfLabel(const Layout& layout, size_t label) {
  return (layout.options().start - 1 + label) / layout.stock().PerPage();
}

}  // namespace labels
