#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/running_window.h"
#include "app/texts.h"
#include "datafiles/folder_lock.h"
#include "win32/com.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  using namespace kuranto;
  // One program per folder: a second start hands over to the first.
  datafiles::FolderLock folderLock(ProgramDirectoryForStart());
  if (!folderLock.TryLock()) {
    BringRunningWindowForward(ProgramDirectoryForStart());
    return 0;
  }
  HWND window = CreateMainWindow(instance);
  if (window == nullptr) return 0;
  ShowWindow(window, showCommand);
  HACCEL accelerators = LoadAcceleratorsA(instance, texts::kAcceleratorResource);
  const ScopedOle ole;
  if (ole.result() != S_OK) return 0;
  const ScopedImageList menuImages(LoadMenuImages(instance));
  g_app.menuImages = menuImages.get();
  // The images go first, OLE last, as the scope ends.
  return RunMessageLoop(window, accelerators, {&g_app.addressDialog, &g_app.addressListDialog});
}
