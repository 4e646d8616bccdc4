#include "transfer/drop_source.h"

#include <new>

#include "win32/com.h"

namespace kuranto {

namespace {

class TextDropSource final : public IDropSource {
 public:
  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    return QueryOwnInterface<IDropSource>(this, IID_IDropSource, riid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDropSource
  STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override {
    if (fEscapePressed) return DRAGDROP_S_CANCEL;
    if ((grfKeyState & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
    return S_OK;
  }
  STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  ~TextDropSource() = default;

  ULONG references_ = 1;
};

}  // namespace

ComPtr<IDropSource> MakeTextDropSource() {
  return ComPtr<IDropSource>::Adopt(new (std::nothrow) TextDropSource());
}

}  // namespace kuranto
