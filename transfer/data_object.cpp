#include "transfer/data_object.h"

#include <cstring>
#include <new>

#include "win32/com.h"

#include "postal/text.h"
#include "transfer/format_enumerator.h"
#include "win32/buffer_sizes.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

class TextDataObject final : public IDataObject {
 public:
  explicit TextDataObject(const char* text) {
    const size_t length = postal::CharBoundaryLength(text, std::strlen(text), sizeof text_ - 1);
    std::memcpy(text_, text, length);
    text_[length] = '\0';
  }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    return QueryOwnInterface<IDataObject>(this, IID_IDataObject, riid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDataObject
  STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override {
    if (pformatetcIn == nullptr || pmedium == nullptr) return E_INVALIDARG;
    pmedium->tymed = TYMED_NULL;
    pmedium->hGlobal = nullptr;
    pmedium->pUnkForRelease = nullptr;
    // Only global memory is rendered: a request that also allows a stream
    // is refused here although QueryGetData accepts it.
    if (pformatetcIn->cfFormat != CF_TEXT || pformatetcIn->dwAspect != DVASPECT_CONTENT ||
        pformatetcIn->tymed != TYMED_HGLOBAL) {
      return DV_E_FORMATETC;
    }
    ScopedGlobal block(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, kDragBlockBytes));
    {
      ScopedGlobalLock bytes(block.get());
      if (bytes.get() == nullptr) return E_OUTOFMEMORY;
      std::memcpy(bytes.get(), text_, std::strlen(text_) + 1);
    }
    pmedium->tymed = TYMED_HGLOBAL;
    pmedium->hGlobal = block.release();
    return S_OK;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override {
    if (pformatetc == nullptr) return E_INVALIDARG;
    const bool offered = pformatetc->cfFormat == CF_TEXT && pformatetc->dwAspect == DVASPECT_CONTENT &&
                         (pformatetc->tymed & TYMED_HGLOBAL) != 0;
    return offered ? S_OK : S_FALSE;
  }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) override {
    if (pformatetcOut != nullptr) pformatetcOut->ptd = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenum) override {
    if (dwDirection == DATADIR_SET) return E_NOTIMPL;
    if (dwDirection != DATADIR_GET || ppenum == nullptr) return E_INVALIDARG;
    return CreateFormatEnumerator(&kTextFormat, 1, 0, ppenum);
  }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~TextDataObject() = default;

  ULONG references_ = 1;
  char text_[kRowTextBytes];
};

}  // namespace

ComPtr<IDataObject> MakeTextDataObject(const char* text) {
  return ComPtr<IDataObject>::Adopt(new (std::nothrow) TextDataObject(text != nullptr ? text : ""));
}

}  // namespace kuranto
