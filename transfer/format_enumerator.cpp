#include "transfer/format_enumerator.h"

#include <climits>
#include <cstring>
#include <new>

#include "win32/com.h"

namespace kuranto {

namespace {

// The allocator is fetched for each operation that needs it and let go at
// its end, so no object keeps it.
ComPtr<IMalloc> TaskAllocator() {
  ComPtr<IMalloc> allocator;
  if (FAILED(CoGetMalloc(MEMCTX_TASK, allocator.put()))) return {};
  return allocator;
}

void* TaskAlloc(SIZE_T bytes) {
  ComPtr<IMalloc> allocator = TaskAllocator();
  return allocator ? allocator->Alloc(bytes) : nullptr;
}

void TaskFree(void* block) {
  if (block == nullptr) return;
  ComPtr<IMalloc> allocator = TaskAllocator();
  if (allocator) {
    allocator->Free(block);
  } else {
    CoTaskMemFree(block);
  }
}

// A target device in a new block of its own recorded size (tdSize).
// Null stays null; `ok` turns false when the copy cannot be made.
DVTARGETDEVICE* CopyTargetDevice(const DVTARGETDEVICE* device, bool& ok) {
  ok = true;
  if (device == nullptr) return nullptr;
  auto* copy = static_cast<DVTARGETDEVICE*>(TaskAlloc(device->tdSize));
  if (copy == nullptr) {
    ok = false;
    return nullptr;
  }
  std::memcpy(copy, device, device->tdSize);
  return copy;
}

class FormatEnumerator final : public IEnumFORMATETC {
 public:
  static FormatEnumerator* Create(const FORMATETC* entries, ULONG count, ULONG position);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    return QueryOwnInterface<IEnumFORMATETC>(this, IID_IEnumFORMATETC, riid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) Destroy();
    return left;
  }

  // IEnumFORMATETC
  STDMETHODIMP Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override {
    if (rgelt == nullptr) return E_INVALIDARG;
    ULONG copied = 0;
    while (copied < celt && position_ < count_) {
      bool ok = true;
      FORMATETC copy = entries_[position_];
      copy.ptd = CopyTargetDevice(entries_[position_].ptd, ok);
      if (!ok) {
        // Nothing half-handed out: the copies made so far go back.
        for (ULONG i = 0; i < copied; ++i) TaskFree(rgelt[i].ptd);
        position_ -= copied;
        if (pceltFetched != nullptr) *pceltFetched = 0;
        return E_OUTOFMEMORY;
      }
      rgelt[copied++] = copy;
      ++position_;
    }
    if (pceltFetched != nullptr) *pceltFetched = copied;
    return copied == celt ? S_OK : S_FALSE;
  }
  STDMETHODIMP Skip(ULONG celt) override {
    const ULONG left = count_ - position_;
    if (celt <= left) {
      position_ += celt;
      return S_OK;
    }
    position_ = count_;
    return S_FALSE;
  }
  STDMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(IEnumFORMATETC** ppenum) override {
    if (ppenum == nullptr) return E_INVALIDARG;
    return CreateFormatEnumerator(entries_, count_, position_, ppenum);
  }

 private:
  FormatEnumerator(FORMATETC* entries, ULONG count, ULONG position)
      : position_(position), count_(count), entries_(entries) {}
  ~FormatEnumerator() = default;

  static void FreeEntries(FORMATETC* entries, ULONG count) {
    for (ULONG i = 0; i < count; ++i) TaskFree(entries[i].ptd);
    TaskFree(entries);
  }

  void Destroy() {
    FreeEntries(entries_, count_);
    this->~FormatEnumerator();
    TaskFree(this);
  }

  ULONG references_ = 1;
  ULONG position_;
  ULONG count_;
  FORMATETC* entries_;
};

FormatEnumerator* FormatEnumerator::Create(const FORMATETC* entries, ULONG count, ULONG position) {
  if (count > 0 && entries == nullptr) return nullptr;
  if (count > ULONG_MAX / sizeof(FORMATETC)) return nullptr;
  void* object = nullptr;
  FORMATETC* array = nullptr;
  {
    ComPtr<IMalloc> allocator = TaskAllocator();
    if (!allocator) return nullptr;
    object = allocator->Alloc(sizeof(FormatEnumerator));
    if (object == nullptr) return nullptr;
    // One record even for no entries, so the array is never null.
    array = static_cast<FORMATETC*>(allocator->Alloc((count > 0 ? count : 1) * sizeof(FORMATETC)));
    if (array == nullptr) {
      allocator->Free(object);
      return nullptr;
    }
  }
  for (ULONG i = 0; i < count; ++i) {
    bool ok = true;
    array[i] = entries[i];
    array[i].ptd = CopyTargetDevice(entries[i].ptd, ok);
    if (!ok) {
      FreeEntries(array, i);
      TaskFree(object);
      return nullptr;
    }
  }
  return new (object) FormatEnumerator(array, count, position < count ? position : count);
}

}  // namespace

HRESULT CreateFormatEnumerator(const FORMATETC* entries, ULONG count, ULONG position, IEnumFORMATETC** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = FormatEnumerator::Create(entries, count, position);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace kuranto
