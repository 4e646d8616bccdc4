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
  HACCEL accelerators = LoadAcceleratorsA(instance, texts::kAcceleratorResource);
  const ScopedOle ole;
  if (ole.result() != S_OK) return 0;
  const ScopedImageList menuImages(LoadMenuImages(instance));
  g_app.menuImages = menuImages.get();
  return RunMessageLoop(window, accelerators, g_app.addressDialog);  // the images go first, OLE last, as the scope ends
}
