// What a preview shows of a layout: a page, or one label zoomed to be read,
// and the page of drawing items made for it. Steps and zooms stay within
// the layout's pages and labels, so the front end only tells and draws.
#pragma once

#include <cstddef>

#include "labels/layout.h"
#include "labels/page.h"

namespace labels {

class PreviewPlace {
 public:
  // Shows `layout` (null: nothing, not zoomed), laid out again: the same
  // page or label where it still is, else the last. `layout` must outlive
  // the calls until the next Show.
  void Show(const Layout* layout);
  // A page back or on, or zoomed a label, across the pages.
  void Step(bool forward);
  // On: the label last zoomed if it is on the page shown, else the page's
  // first. Off: the page of the label last seen.
  void Zoom(bool on);
  // Zooms `label` (printing order), e.g. the one a click hit.
  void ZoomLabel(size_t label);

  bool zoomed() const { return zoomed_; }
  const Page& items() const { return items_; }
  // The label zoomed among items(); null on the page view.
  const LabelPlace* ZoomedPlace() const;
  // The page's number (zoomed: the label's), 1-based, 0 with none; and of how many.
  size_t Number() const;
  size_t Count() const;

 private:
  void Make();

  const Layout* layout_ = nullptr;
  size_t page_ = 0;
  bool zoomed_ = false;
  size_t label_ = 0;  // zoomed, or zoomed last
  Page items_;
};

}  // namespace labels
