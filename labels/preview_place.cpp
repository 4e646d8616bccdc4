#include "labels/preview_place.h"

#include <algorithm>

#include "labels/zoom.h"

namespace labels {

void PreviewPlace::Show(const Layout* layout) {
  layout_ = layout;
  Make();
}

void PreviewPlace::Step(bool forward) {
  size_t& place = zoomed_ ? label_ : page_;
  if (forward) {
    ++place;
  } else if (place > 0) {
    --place;
  }
  Make();
}

void PreviewPlace::Zoom(bool on) {
  zoomed_ = on && !items_.labels.empty();
  if (zoomed_ && PageOfLabel(*layout_, label_) != page_) label_ = items_.labels.front().label;
  Make();
}

void PreviewPlace::ZoomLabel(size_t label) {
  label_ = label;
  zoomed_ = true;
  Make();
}

const LabelPlace* PreviewPlace::ZoomedPlace() const {
  if (!zoomed_) return nullptr;
  for (const LabelPlace& place : items_.labels) {
    if (place.label == label_) return &place;
  }
  return nullptr;
}

size_t PreviewPlace::Number() const {
  if (Count() == 0) return 0;
  return (zoomed_ ? label_ : page_) + 1;
}

size_t PreviewPlace::Count() const {
  if (layout_ == nullptr) return 0;
  return zoomed_ ? layout_->labels().size() : layout_->PageCount();
}

void PreviewPlace::Make() {
  const size_t labels = layout_ == nullptr ? 0 : layout_->labels().size();
  zoomed_ = zoomed_ && labels > 0;
  if (zoomed_) {
    label_ = std::min(label_, labels - 1);
    page_ = PageOfLabel(*layout_, label_);
  }
  const size_t pages = layout_ == nullptr ? 0 : layout_->PageCount();
  if (page_ >= pages) page_ = pages == 0 ? 0 : pages - 1;
  items_.Clear();
  if (pages > 0) layout_->MakePage(page_, items_);
}

}  // namespace labels
