// The drag-and-drop objects through their interfaces only, as OLE and a
// drop target call them.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "transfer/data_object.h"
#include "transfer/drop_source.h"
#include "transfer/format_enumerator.h"

namespace {

using kuranto::ComPtr;

// Counts the task allocator's blocks while it is registered; PreAlloc can
// make the n-th allocation fail.
class AllocatorSpy final : public IMallocSpy {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IUnknown || riid == IID_IMallocSpy) {
      *ppv = static_cast<IMallocSpy*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP_(SIZE_T) PreAlloc(SIZE_T cbRequest) override {
    ++allocations_;
    return allocations_ == failAt_ ? 0 : cbRequest;
  }
  STDMETHODIMP_(void*) PostAlloc(void* pActual) override {
    if (pActual != nullptr) live_.insert(pActual);
    return pActual;
  }
  STDMETHODIMP_(void*) PreFree(void* pRequest, BOOL) override {
    live_.erase(pRequest);
    return pRequest;
  }
  STDMETHODIMP_(void) PostFree(BOOL) override {}
  STDMETHODIMP_(SIZE_T) PreRealloc(void* pRequest, SIZE_T cbRequest, void** ppNewRequest, BOOL) override {
    live_.erase(pRequest);
    *ppNewRequest = pRequest;
    return cbRequest;
  }
  STDMETHODIMP_(void*) PostRealloc(void* pActual, BOOL) override {
    if (pActual != nullptr) live_.insert(pActual);
    return pActual;
  }
  STDMETHODIMP_(void*) PreGetSize(void* pRequest, BOOL) override { return pRequest; }
  STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T cbActual, BOOL) override { return cbActual; }
  STDMETHODIMP_(void*) PreDidAlloc(void* pRequest, BOOL) override { return pRequest; }
  STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int fActual) override { return fActual; }
  STDMETHODIMP_(void) PreHeapMinimize() override {}
  STDMETHODIMP_(void) PostHeapMinimize() override {}

  // 1-based; 0 lets every allocation through.
  void FailAllocation(int n) {
    allocations_ = 0;
    failAt_ = n;
  }
  bool Live(const void* block) const { return live_.count(const_cast<void*>(block)) != 0; }
  size_t LiveCount() const { return live_.size(); }

 private:
  int allocations_ = 0;
  int failAt_ = 0;
  std::set<void*> live_;
};

class TransferObjectsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(S_OK, OleInitialize(nullptr)); }
  void TearDown() override { OleUninitialize(); }
};

FORMATETC Format(CLIPFORMAT format, DWORD aspect, DWORD tymed) { return {format, nullptr, aspect, -1, tymed}; }

ULONG CountOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

TEST_F(TransferObjectsTest, QueryInterfaceAnswersTheOwnInterfaceOnly) {
  ComPtr<IDropSource> source = kuranto::MakeTextDropSource();
  ComPtr<IDataObject> data = kuranto::MakeTextDataObject("x");
  ComPtr<IEnumFORMATETC> formats;
  ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.put()));
  struct Case {
    const char* name;
    IUnknown* object;
    const IID& own;
    const IID& foreign;
  };
  const Case cases[] = {
      {"drop source", source.get(), IID_IDropSource, IID_IDataObject},
      {"data object", data.get(), IID_IDataObject, IID_IEnumFORMATETC},
      {"enumerator", formats.get(), IID_IEnumFORMATETC, IID_IDropSource},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(1u, CountOf(c.object));
    for (const IID* iid : {&IID_IUnknown, &c.own}) {
      void* got = nullptr;
      EXPECT_EQ(S_OK, c.object->QueryInterface(*iid, &got));
      EXPECT_EQ(static_cast<void*>(c.object), got);
      EXPECT_EQ(2u, CountOf(c.object));
      EXPECT_EQ(1u, c.object->Release());
    }
    void* got = &got;
    EXPECT_EQ(E_NOINTERFACE, c.object->QueryInterface(c.foreign, &got));
    EXPECT_EQ(nullptr, got);
    EXPECT_EQ(2u, c.object->AddRef());
    EXPECT_EQ(1u, c.object->Release());
  }
}

TEST_F(TransferObjectsTest, DropSourceDropsOnReleaseAndCancelsOnEscape) {
  ComPtr<IDropSource> source = kuranto::MakeTextDropSource();
  const struct {
    BOOL escape;
    DWORD keys;
    HRESULT expected;
  } cases[] = {
      {FALSE, MK_LBUTTON, S_OK},
      {FALSE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, S_OK},
      {FALSE, 0, DRAGDROP_S_DROP},
      {FALSE, MK_RBUTTON, DRAGDROP_S_DROP},
      {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
      {TRUE, 0, DRAGDROP_S_CANCEL},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, source->QueryContinueDrag(c.escape, c.keys)) << c.escape << " " << c.keys;
  }
  for (DWORD effect : {DROPEFFECT_NONE, DROPEFFECT_COPY, DROPEFFECT_MOVE}) {
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source->GiveFeedback(effect));
  }
}

TEST_F(TransferObjectsTest, OnlyTextInGlobalMemoryIsRendered) {
  ComPtr<IDataObject> data = kuranto::MakeTextDataObject("1070052 東京都港区赤坂");
  const struct {
    const char* name;
    FORMATETC format;
    HRESULT get;    // GetData: tymed must be exactly TYMED_HGLOBAL
    HRESULT query;  // QueryGetData: the TYMED_HGLOBAL bit is enough
  } cases[] = {
      {"text in global memory", Format(CF_TEXT, DVASPECT_CONTENT, TYMED_HGLOBAL), S_OK, S_OK},
      {"global memory or stream", Format(CF_TEXT, DVASPECT_CONTENT, TYMED_HGLOBAL | TYMED_ISTREAM), DV_E_FORMATETC,
       S_OK},
      {"stream only", Format(CF_TEXT, DVASPECT_CONTENT, TYMED_ISTREAM), DV_E_FORMATETC, S_FALSE},
      {"unicode text", Format(CF_UNICODETEXT, DVASPECT_CONTENT, TYMED_HGLOBAL), DV_E_FORMATETC, S_FALSE},
      {"thumbnail aspect", Format(CF_TEXT, DVASPECT_THUMBNAIL, TYMED_HGLOBAL), DV_E_FORMATETC, S_FALSE},
      {"icon aspect", Format(CF_TEXT, DVASPECT_ICON, TYMED_HGLOBAL), DV_E_FORMATETC, S_FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FORMATETC format = c.format;
    EXPECT_EQ(c.query, data->QueryGetData(&format));
    STGMEDIUM medium;
    std::memset(&medium, 0x5A, sizeof medium);
    EXPECT_EQ(c.get, data->GetData(&format, &medium));
    if (c.get == S_OK) {
      EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), medium.tymed);
      ReleaseStgMedium(&medium);
    } else {
      EXPECT_EQ(static_cast<DWORD>(TYMED_NULL), medium.tymed);
      EXPECT_EQ(nullptr, medium.hGlobal);
      EXPECT_EQ(nullptr, medium.pUnkForRelease);
    }
  }
}

// The text a drop target gets from GetData, with the block's size.
std::string Dropped(IDataObject* data, SIZE_T* size, HGLOBAL* block) {
  FORMATETC format = kuranto::kTextFormat;
  STGMEDIUM medium = {};
  if (data->GetData(&format, &medium) != S_OK) return "(refused)";
  *size = GlobalSize(medium.hGlobal);
  *block = medium.hGlobal;
  const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
  std::string text(bytes, *size);
  GlobalUnlock(medium.hGlobal);
  return text;
}

TEST_F(TransferObjectsTest, EachGetDataGivesANewZeroFilledBlockOf1001Bytes) {
  const std::string row = "1070052 東京都港区赤坂";
  const std::string full(998, 'a');
  const struct {
    std::string held;
    std::string given;  // the text before the zero fill
  } cases[] = {
      {row, row},
      {"", ""},
      {std::string(999, 'a'), std::string(999, 'a')},
      {std::string(1200, 'a'), std::string(999, 'a')},
      // 東 would end at byte 1000: the text stops before it, not inside it.
      {full + "東", full},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.held.substr(0, 30));
    ComPtr<IDataObject> data = kuranto::MakeTextDataObject(c.held.c_str());
    SIZE_T firstSize = 0, secondSize = 0;
    HGLOBAL first = nullptr, second = nullptr;
    const std::string got = Dropped(data.get(), &firstSize, &first);
    Dropped(data.get(), &secondSize, &second);
    EXPECT_EQ(1001u, firstSize);
    EXPECT_EQ(1001u, secondSize);
    EXPECT_NE(first, second);
    EXPECT_EQ(c.given + std::string(1001 - c.given.size(), '\0'), got);
    // The receiver owns the blocks: fixed memory, freed by it.
    EXPECT_EQ(static_cast<void*>(first), GlobalLock(first));
    GlobalUnlock(first);
    EXPECT_EQ(nullptr, GlobalFree(first));
    EXPECT_EQ(nullptr, GlobalFree(second));
  }
}

TEST_F(TransferObjectsTest, TheRestOfTheDataObjectRefuses) {
  ComPtr<IDataObject> data = kuranto::MakeTextDataObject("x");
  FORMATETC format = kuranto::kTextFormat;
  STGMEDIUM medium = {};
  EXPECT_EQ(DV_E_FORMATETC, data->GetDataHere(&format, &medium));
  FORMATETC canonical = format;
  canonical.ptd = reinterpret_cast<DVTARGETDEVICE*>(&canonical);
  EXPECT_EQ(E_NOTIMPL, data->GetCanonicalFormatEtc(&format, &canonical));
  EXPECT_EQ(nullptr, canonical.ptd);
  EXPECT_EQ(E_NOTIMPL, data->SetData(&format, &medium, FALSE));
  IEnumFORMATETC* formats = reinterpret_cast<IEnumFORMATETC*>(&format);
  EXPECT_EQ(E_NOTIMPL, data->EnumFormatEtc(DATADIR_SET, &formats));
  EXPECT_EQ(E_INVALIDARG, data->EnumFormatEtc(3, &formats));
  DWORD connection = 0;
  EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DAdvise(&format, 0, nullptr, &connection));
  EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->DUnadvise(connection));
  IEnumSTATDATA* advises = nullptr;
  EXPECT_EQ(OLE_E_ADVISENOTSUPPORTED, data->EnumDAdvise(&advises));
}

void ExpectTextFormat(const FORMATETC& got) {
  EXPECT_EQ(CF_TEXT, got.cfFormat);
  EXPECT_EQ(nullptr, got.ptd);
  EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), got.dwAspect);
  EXPECT_EQ(-1, got.lindex);
  EXPECT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), got.tymed);
}

TEST_F(TransferObjectsTest, EnumeratorWalksTheOneFormat) {
  ComPtr<IDataObject> data = kuranto::MakeTextDataObject("x");
  ComPtr<IEnumFORMATETC> formats;
  ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.put()));
  enum Step { kNext, kSkip, kReset, kCloneNext };
  const struct {
    Step step;
    ULONG count;
    HRESULT expected;
    ULONG fetched;
  } steps[] = {
      {kNext, 1, S_OK, 1},       {kNext, 1, S_FALSE, 0}, {kReset, 0, S_OK, 0},   {kNext, 1, S_OK, 1},
      {kReset, 0, S_OK, 0},      {kSkip, 2, S_FALSE, 0}, {kNext, 1, S_FALSE, 0}, {kReset, 0, S_OK, 0},
      {kNext, 5, S_FALSE, 1},    {kReset, 0, S_OK, 0},   {kSkip, 1, S_OK, 0},    {kSkip, 0, S_OK, 0},
      {kCloneNext, 1, S_FALSE, 0}, {kReset, 0, S_OK, 0},   {kCloneNext, 1, S_OK, 1}, {kNext, 1, S_OK, 1},
  };
  int i = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE("step " + std::to_string(i++));
    FORMATETC got[5] = {};
    ULONG fetched = 99;
    switch (s.step) {
      case kNext:
        EXPECT_EQ(s.expected, formats->Next(s.count, got, &fetched));
        EXPECT_EQ(s.fetched, fetched);
        break;
      case kSkip:
        EXPECT_EQ(s.expected, formats->Skip(s.count));
        break;
      case kReset:
        EXPECT_EQ(s.expected, formats->Reset());
        break;
      case kCloneNext: {
        // A clone stands where the original stands, and moves on its own.
        ComPtr<IEnumFORMATETC> clone;
        ASSERT_EQ(S_OK, formats->Clone(clone.put()));
        EXPECT_EQ(s.expected, clone->Next(s.count, got, &fetched));
        EXPECT_EQ(s.fetched, fetched);
        break;
      }
    }
    if (s.fetched == 1) ExpectTextFormat(got[0]);
  }
  FORMATETC one = {};
  EXPECT_EQ(E_INVALIDARG, formats->Next(1, nullptr, nullptr));
  EXPECT_EQ(E_INVALIDARG, formats->Clone(nullptr));
  ASSERT_EQ(S_OK, formats->Reset());
  EXPECT_EQ(S_OK, formats->Next(1, &one, nullptr));  // the count may be left out
}

// A target device record of `size` bytes, tdSize first, a pattern after.
struct Device {
  explicit Device(DWORD size) : bytes(size) {
    for (DWORD i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 7);
    std::memcpy(bytes.data(), &size, sizeof size);
  }
  DVTARGETDEVICE* get() { return reinterpret_cast<DVTARGETDEVICE*>(bytes.data()); }
  std::vector<unsigned char> bytes;
};

TEST_F(TransferObjectsTest, EnumeratorCopiesTargetDevicesDeepThroughTheTaskAllocator) {
  AllocatorSpy spy;
  ASSERT_EQ(S_OK, CoRegisterMallocSpy(&spy));
  {
    Device device(37);
    FORMATETC entries[2] = {kuranto::kTextFormat, kuranto::kTextFormat};
    entries[1].ptd = device.get();
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(S_OK, kuranto::CreateFormatEnumerator(entries, 2, 0, formats.put()));
    EXPECT_TRUE(spy.Live(formats.get())) << "the enumerator is not a task-allocator block";
    device.bytes[5] ^= 0xFF;  // the enumerator keeps its own copy

    ComPtr<IEnumFORMATETC> clone;
    ASSERT_EQ(S_OK, formats->Clone(clone.put()));
    for (IEnumFORMATETC* walker : {formats.get(), clone.get()}) {
      FORMATETC got[2] = {};
      ULONG fetched = 0;
      ASSERT_EQ(S_OK, walker->Next(2, got, &fetched));
      ASSERT_EQ(2u, fetched);
      EXPECT_EQ(nullptr, got[0].ptd);
      ASSERT_NE(nullptr, got[1].ptd);
      EXPECT_NE(device.get(), got[1].ptd);
      EXPECT_TRUE(spy.Live(got[1].ptd));
      Device original(37);
      EXPECT_EQ(0, std::memcmp(original.bytes.data(), got[1].ptd, 37));
      CoTaskMemFree(got[1].ptd);
    }
  }
  EXPECT_EQ(0u, spy.LiveCount()) << "task-allocator blocks left after the last Release";
  EXPECT_EQ(S_OK, CoRevokeMallocSpy());
}

TEST_F(TransferObjectsTest, EnumeratorCreationFailsCleanlyWithoutMemory) {
  AllocatorSpy spy;
  ASSERT_EQ(S_OK, CoRegisterMallocSpy(&spy));
  {
    ComPtr<IDataObject> data = kuranto::MakeTextDataObject("x");
    Device device(20);
    FORMATETC entry = kuranto::kTextFormat;
    entry.ptd = device.get();
    // The object, its array, the target device copy.
    for (int failing = 1; failing <= 3; ++failing) {
      SCOPED_TRACE("allocation " + std::to_string(failing) + " fails");
      spy.FailAllocation(failing);
      IEnumFORMATETC* formats = reinterpret_cast<IEnumFORMATETC*>(&entry);
      EXPECT_EQ(E_OUTOFMEMORY, kuranto::CreateFormatEnumerator(&entry, 1, 0, &formats));
      EXPECT_EQ(nullptr, formats);
      if (failing <= 2) {
        spy.FailAllocation(failing);
        formats = reinterpret_cast<IEnumFORMATETC*>(&entry);
        EXPECT_EQ(E_OUTOFMEMORY, data->EnumFormatEtc(DATADIR_GET, &formats));
        EXPECT_EQ(nullptr, formats);
      }
      EXPECT_EQ(0u, spy.LiveCount());
    }
    spy.FailAllocation(0);
    ComPtr<IEnumFORMATETC> formats;
    EXPECT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, formats.put())) << "the data object is still usable";
  }
  EXPECT_EQ(0u, spy.LiveCount());
  EXPECT_EQ(S_OK, CoRevokeMallocSpy());
}

}  // namespace
