#include "app/shell.h"


namespace kuranto {

AppState g_app;

namespace {

std::string g_directoryOverride;
MessageBoxHandler g_messageBox = nullptr;

}  // namespace

void ResetAppState() {
  AppState fresh;
  // Row tables hold unique_ptrs, so the state is moved member by member.
  g_app.instance = fresh.instance;
  g_app.mainWindow = fresh.mainWindow;
  g_app.accelerators = fresh.accelerators;
  g_app.menuImages = fresh.menuImages;
  g_app.listFont = fresh.listFont;
  g_app.controls = fresh.controls;
  g_app.files = fresh.files;
  g_app.settings = fresh.settings;
  postal::FreeAddressRows(g_app.addressRows);
  postal::FreeOfficeRows(g_app.officeRows);
  g_app.resultCount = 0;
  g_app.tables = postal::IndexTables{};
  for (auto& slot : g_app.menuSlots) slot[0] = '\0';
}

void SetProgramDirectoryOverride(const std::string& directory) { g_directoryOverride = directory; }

std::string ProgramDirectoryForStart() {
  if (!g_directoryOverride.empty()) return g_directoryOverride;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return datafiles::ProgramDirectory(path);
}

void SetMessageBoxHandler(MessageBoxHandler handler) { g_messageBox = handler; }

int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags) {
  if (g_messageBox != nullptr) return g_messageBox(owner, text, caption, flags);
  return MessageBoxA(owner, text, caption, flags);
}

}  // namespace kuranto
