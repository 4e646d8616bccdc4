// The preview's zoom: which label a click on the page hits (gaps, margins
// and unused places hit none), the page a label is on, a box fitted into an
// area at its proportions, and the steps between pages and labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "labels/font_metrics.h"
#include "labels/layout.h"
#include "labels/preview_place.h"
#include "labels/stock.h"
#include "labels/zoom.h"

namespace {

constexpr double kEps = 1e-6;
constexpr long kNone = -1;

std::vector<labels::Label> Labels(size_t count) {
  std::vector<labels::Label> list(count);
  for (size_t i = 0; i < count; ++i) list[i].address = u8"東京都千代田区千代田１－" + std::to_string(i + 1);
  return list;
}

long Hit(const labels::Page& page, double x, double y) {
  const labels::LabelPlace* place = labels::LabelAt(page, x, y);
  return place == nullptr ? kNone : static_cast<long>(place->label);
}

// A sheet of 2 x 3 labels of 90 x 80 mm, 10 mm apart both ways, 10 mm from
// the paper's top left corner: 5 labels starting at place 2 fill its first
// sheet and one place of the second.
TEST(LabelsZoom, AClickHitsTheLabelUnderItAndNoneBetween) {
  labels::Stock stock;
  ASSERT_TRUE(labels::FindStock("custom:210,297,2,3,90,80,10,10,100,90", stock));
  labels::LayoutOptions options;
  options.start = 2;
  const labels::MonospaceMetrics metrics;
  labels::Layout layout(stock, options, metrics);
  ASSERT_EQ(2u, layout.Fit(Labels(6)).pages);
  labels::Page first, last;
  layout.MakePage(0, first);
  layout.MakePage(1, last);
  const struct {
    const labels::Page& page;
    double x, y;
    long label;
  } cases[] = {
      {first, 150, 50, 0},     // place 2: the first label
      {first, 55, 50, kNone},  // place 1, left free by the start position
      {first, 55, 140, 1},     // place 3
      {first, 10, 140, 1},     // the left edge belongs to the label
      {first, 100, 140, kNone},  // the right edge does not: the gap between the columns
      {first, 110, 140, 2},
      {first, 55, 95, kNone},  // the gap between the rows
      {first, 5, 5, kNone},    // the paper's margin
      {first, 199.999, 269.999, 4},
      {first, 200, 269, kNone},
      {last, 55, 50, 5},       // the last page's one label
      {last, 150, 50, kNone},  // and its places left unused
      {last, 55, 140, kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(c.label, Hit(c.page, c.x, c.y)) << c.x << ", " << c.y;
}

TEST(LabelsZoom, TouchingLabelsShareNoPoint) {
  labels::Stock stock;
  ASSERT_TRUE(labels::FindStock("a4-12", stock));
  const labels::MonospaceMetrics metrics;
  labels::Layout layout(stock, labels::LayoutOptions(), metrics);
  layout.Fit(Labels(12));
  labels::Page page;
  layout.MakePage(0, page);
  EXPECT_EQ(1, Hit(page, 18.6 + 86.4, 30));         // the line between the columns: the right one
  EXPECT_EQ(2, Hit(page, 40, 21.2 + 42.3));         // between the rows: the lower one
  EXPECT_EQ(11, Hit(page, 18.6 + 172.7, 21.2 + 6 * 42.3 - 0.1));
  EXPECT_EQ(kNone, Hit(page, 18.6 + 172.8, 30));
}

TEST(LabelsZoom, PageOfALabelCountsThePlacesLeftFree) {
  const struct {
    const char* stock;
    size_t start, label, page;
  } cases[] = {
      {"a4-12", 1, 0, 0},  {"a4-12", 1, 11, 0}, {"a4-12", 1, 12, 1}, {"a4-12", 1, 39, 3},
      {"a4-12", 3, 9, 0},  {"a4-12", 3, 10, 1}, {"a4-12", 12, 0, 0}, {"a4-12", 12, 1, 1},
      {"a4-12", 13, 12, 1},   // a start past the sheet is the first place
      {"postcard", 5, 3, 3},  // one a page: the start does not count
  };
  const labels::MonospaceMetrics metrics;
  for (const auto& c : cases) {
    labels::Stock stock;
    ASSERT_TRUE(labels::FindStock(c.stock, stock));
    labels::LayoutOptions options;
    options.start = c.start;
    labels::Layout layout(stock, options, metrics);
    layout.Fit(Labels(40));
    EXPECT_EQ(c.page, labels::PageOfLabel(layout, c.label)) << c.stock << " from " << c.start << ", label " << c.label;
    labels::Page page;
    layout.MakePage(c.page, page);
    bool there = false;
    for (const labels::LabelPlace& place : page.labels) there = there || place.label == c.label;
    EXPECT_TRUE(there) << "the page made holds the label";
  }
}

TEST(LabelsZoom, ABoxFitsTheAreaAtItsProportionsCentred) {
  const struct {
    labels::Rect box;
    double width, height, margin;
    double perMm;
  } cases[] = {
      {{0, 0, 210, 297}, 352, 318, 3, 312.0 / 297},     // a page: its height fills the area
      {{105, 63.5, 86.4, 42.3}, 352, 318, 8, 336 / 86.4},  // a label: its width does
      {{0, 0, 100, 100}, 6, 318, 3, 0},                 // no room left inside the margin
  };
  for (const auto& c : cases) {
    const labels::View view = labels::FitView(c.box, 20, 30, c.width, c.height, c.margin);
    EXPECT_NEAR(c.perMm, view.perMm, kEps);
    if (view.perMm == 0) continue;
    // The box's centre on the area's; its corners back to mm.
    EXPECT_NEAR(20 + c.width / 2, view.originX + (c.box.x + c.box.width / 2) * view.perMm, kEps);
    EXPECT_NEAR(30 + c.height / 2, view.originY + (c.box.y + c.box.height / 2) * view.perMm, kEps);
    EXPECT_NEAR(c.box.x, view.MmX(view.originX + c.box.x * view.perMm), kEps);
    EXPECT_NEAR(c.box.Bottom(), view.MmY(view.originY + c.box.Bottom() * view.perMm), kEps);
  }
}

// 40 labels on a4-12 from place 3: pages of 10, 12, 12 and 6 labels.
TEST(LabelsZoom, StepsGoLabelByLabelZoomedAndPageByPageElse) {
  labels::Stock stock;
  ASSERT_TRUE(labels::FindStock("a4-12", stock));
  labels::LayoutOptions options;
  options.start = 3;
  const labels::MonospaceMetrics metrics;
  labels::Layout layout(stock, options, metrics);
  layout.Fit(Labels(40));
  labels::Layout shorter(stock, options, metrics);
  shorter.Fit(Labels(5));
  labels::PreviewPlace place;
  // Each step, then what is shown: zoomed or not, the number told, of how
  // many, and the page's first label.
  const struct {
    const char* step;
    bool zoomed;
    size_t number, count, first;
  } steps[] = {
      {"show", false, 1, 4, 0},   {"click 9", true, 10, 40, 0},  {"next", true, 11, 40, 10},
      {"off", false, 2, 4, 10},   {"previous", false, 1, 4, 0},  {"on", true, 1, 40, 0},
      {"previous", true, 1, 40, 0}, {"click 39", true, 40, 40, 34}, {"next", true, 40, 40, 34},
      {"shorter", true, 5, 5, 0}, {"none", false, 0, 0, 0},      {"on", false, 0, 0, 0},
  };
  for (const auto& s : steps) {
    const std::string step = s.step;
    if (step == "show") place.Show(&layout);
    if (step == "click 9") place.ZoomLabel(9);
    if (step == "click 39") place.ZoomLabel(39);
    if (step == "next" || step == "previous") place.Step(step == "next");
    if (step == "on" || step == "off") place.Zoom(step == "on");
    if (step == "shorter") place.Show(&shorter);
    if (step == "none") place.Show(nullptr);
    EXPECT_EQ(s.zoomed, place.zoomed()) << step;
    EXPECT_EQ(s.number, place.Number()) << step;
    EXPECT_EQ(s.count, place.Count()) << step;
    if (place.items().labels.empty()) continue;
    EXPECT_EQ(s.first, place.items().labels.front().label) << step;
    if (s.zoomed) {
      ASSERT_NE(nullptr, place.ZoomedPlace()) << step;
      EXPECT_EQ(s.number - 1, place.ZoomedPlace()->label) << step;
    }
  }
}

}  // namespace
