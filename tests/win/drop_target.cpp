// A program of its own that accepts dropped text, for the drag tests:
//
//   drop_target.exe LOG X Y WIDTH HEIGHT
//
// Opens a window titled "kuranto drop target" at the given screen
// rectangle, registered as an OLE drop target that takes CF_TEXT in global
// memory. It appends to LOG one line per event: "ready" once registered,
// "enter", "leave", and on a drop "drop SIZE HEX" with the size of the block
// received and its text (the bytes before the first NUL) in hexadecimal.
// It ends when its window is closed.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kClass[] = "kuranto_drop_target";
const char kTitle[] = "kuranto drop target";

std::string g_log;

void Log(const std::string& line) {
  if (FILE* out = std::fopen(g_log.c_str(), "ab")) {
    std::fprintf(out, "%s\n", line.c_str());
    std::fclose(out);
  }
}

std::string Hex(const char* bytes, size_t size) {
  std::string hex;
  char pair[3];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(bytes[i]));
    hex += pair;
  }
  return hex;
}

class TextTarget final : public IDropTarget {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
      *ppv = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }  // lives as long as the program

  STDMETHODIMP DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    accept_ = data->QueryGetData(&format) == S_OK;
    Log(accept_ ? "enter" : "enter refused");
    *effect = accept_ ? (*effect & DROPEFFECT_COPY) : DROPEFFECT_NONE;
    return S_OK;
  }
  STDMETHODIMP DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = accept_ ? (*effect & DROPEFFECT_COPY) : DROPEFFECT_NONE;
    return S_OK;
  }
  STDMETHODIMP DragLeave() override {
    Log("leave");
    return S_OK;
  }
  STDMETHODIMP Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    FORMATETC format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    const HRESULT got = data->GetData(&format, &medium);
    if (got != S_OK || medium.tymed != TYMED_HGLOBAL) {
      char line[64];
      std::snprintf(line, sizeof line, "drop failed %08lx", static_cast<unsigned long>(got));
      Log(line);
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    const SIZE_T size = GlobalSize(medium.hGlobal);
    const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
    size_t length = 0;
    while (length < size && bytes[length] != '\0') ++length;
    Log("drop " + std::to_string(size) + " " + Hex(bytes, length));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }

 private:
  ULONG references_ = 1;
  bool accept_ = false;
};

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: drop_target LOG X Y WIDTH HEIGHT\n");
    return 2;
  }
  g_log = argv[1];
  if (OleInitialize(nullptr) != S_OK) return 1;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kClass;
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, kClass, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, std::atoi(argv[2]),
                                std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (window == nullptr) return 1;
  TextTarget target;
  if (RegisterDragDrop(window, &target) != S_OK) return 1;
  Log("ready");
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  RevokeDragDrop(window);
  OleUninitialize();
  return 0;
}
