// What labels are printed on: a sheet of labels in a grid, an envelope or a
// postcard, all in millimetres with the page upright (horizontal writing).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "labels/rect.h"

namespace labels {

enum class StockKind {
  kSheet,     // a grid of labels on a page
  kEnvelope,  // one address a page, the page the envelope itself
  kPostcard,
};

struct Stock {
  std::string name;  // as the tool names it: "a4-12", "naga3", "custom:..."
  StockKind kind = StockKind::kSheet;
  double paperWidth = 210, paperHeight = 297;
  size_t columns = 1, rows = 1;
  double labelWidth = 0, labelHeight = 0;
  double pitchX = 0, pitchY = 0;  // from one label's left (top) edge to the next's
  double top = 0, left = 0;       // the first label's top left corner on the page
  // Japan Post's printed code boxes, at the top right of the page
  // (postcards, 長形3号 and 長形4号): the code's digits go in them.
  bool codeBoxes = false;

  size_t PerPage() const { return columns * rows; }
};

// A stock by its name: a4-10 a4-12 a4-18 a4-21 a4-24 a4-44 naga3 naga4
// kaku2 you2 postcard, or "custom:" and the sheet's figures in mm, separated
// by commas: PAPER_W,PAPER_H,COLUMNS,ROWS,LABEL_W,LABEL_H,TOP,LEFT and
// optionally PITCH_X,PITCH_Y (the label's size when left out). False for
// an unknown name or figures that do not make a sheet (labels past the
// paper, overlapping labels, zero sizes).
bool FindStock(std::string_view name, Stock& stock);

// The names FindStock knows, for a usage text: "a4-10 a4-12 ... postcard".
std::string StockNames();

constexpr size_t kCodeBoxCount = 7;
// Code box `index` (0-6, left to right) of a stock with them, on the page.
Rect CodeBox(const Stock& stock, size_t index);

}  // namespace labels
