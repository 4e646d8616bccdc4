#include "app/app_state.h"

namespace kuranto {

AppState g_app;

namespace {

std::string g_directoryOverride;
MessageBoxHandler g_messageBox = nullptr;

}  // namespace

void ResetAppState() { g_app = AppState{}; }

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
