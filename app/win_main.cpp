#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/shell.h"
#include "app/texts.h"
#include "win32/com.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  using namespace kuranto;
  HWND window = CreateMainWindow(instance);
  if (window == nullptr) return 0;
  ShowWindow(window, showCommand);
  g_app.accelerators = LoadAcceleratorsA(instance, texts::kAcceleratorResource);
  const ScopedOle ole;
  if (ole.result() != S_OK) return 0;
  LoadMenuImages(instance);
  const int result = RunMessageLoop(window);
  if (g_app.menuImages != nullptr) ImageList_Destroy(g_app.menuImages);
  g_app.menuImages = nullptr;
  return result;  // OLE is uninitialised last, as the scope ends
}
