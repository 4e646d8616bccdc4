#include "transfer/row_drag.h"

#include "transfer/data_object.h"
#include "win32/com.h"
#include "win32/list_view.h"

namespace kuranto {

void DragText(const char* text, IDropSource* source) {
  if (source == nullptr) return;
  // The drag's own reference: a WM_CLOSE handled inside the drag loop
  // releases the window's reference, not the object still in use here.
  const ComPtr<IDropSource> held = ComPtr<IDropSource>::Share(source);
  const ComPtr<IDataObject> data = MakeTextDataObject(text);
  if (!data) return;
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(data.get(), held.get(), DROPEFFECT_COPY, &effect);
  // The target may still hold the data object; it goes with its last Release.
}

void BeginRowDrag(HWND list, const postal::AddressRows& rows, const std::string& templateText,
                  const postal::DisplayFlags& flags, IDropSource* source) {
  const postal::AddressRecord* row = rows.At(FirstSelectedItem(list));
  if (row == nullptr) return;
  DragText(postal::ExpandAddressTemplate(templateText, *row, flags).c_str(), source);
}

void BeginRowDrag(HWND list, const postal::OfficeRows& rows, const std::string& templateText,
                  const postal::DisplayFlags& flags, IDropSource* source) {
  const postal::OfficeRecord* row = rows.At(FirstSelectedItem(list));
  if (row == nullptr) return;
  DragText(postal::ExpandOfficeTemplate(templateText, *row, flags).c_str(), source);
}

}  // namespace kuranto
