// The geometry of a preview that zooms: a page or one label fitted into an
// area of device units, the label a click on the page hits, and the page a
// label is on. Pure arithmetic over the layout's millimetres, so that the
// window's preview and its tests agree on every edge.
#pragma once

#include <cstddef>

#include "labels/layout.h"
#include "labels/page.h"
#include "labels/rect.h"

namespace labels {

// Millimetres shown in device units: device = origin + mm * perMm.
struct View {
  double perMm = 0;  // 0: the area holds nothing
  double originX = 0, originY = 0;
  double MmX(double deviceX) const { return (deviceX - originX) / perMm; }
  double MmY(double deviceY) const { return (deviceY - originY) / perMm; }
};

// `box` as large as the area (left, top, width, height, device units) holds
// with `margin` units free on every side, kept at its proportions, centred.
View FitView(const Rect& box, double left, double top, double width, double height, double margin);

// The label of `page` whose box holds the point (mm on the page); null on
// a gap between labels, the paper's margin or a place left unused. A box
// holds its left and top edges, not its right and bottom ones, so a point
// on the line between two labels that touch hits exactly one.
const LabelPlace* LabelAt(const Page& page, double x, double y);

// The page (0-based) label `label` (printing order) of `layout` is on,
// counting the places its start position leaves free on the first sheet.
size_t PageOfLabel(const Layout& layout, size_t label);

}  // namespace labels
