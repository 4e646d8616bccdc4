// keysweep: removes every setting クラント keeps in the registry, after
// asking. A program of its own: it shares nothing with クラント but the
// key's name, creates no window of its own and touches no file.
#include <windows.h>
#include <shlwapi.h>

namespace {

constexpr char kSettingsKey[] = "Software\\Ostrel\\Kuranto";
constexpr char kQuestion[] = "クラントのレジストリ情報を削除しますか？";
constexpr char kCaption[] = "削除確認";
// The same whatever the answer and whatever the delete did.
constexpr int kExitCode = 1;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (MessageBoxA(GetFocus(), kQuestion, kCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
    // One recursive delete; a missing key or a refusal leaves things as they
    // were, and there is nothing useful to tell the user then.
    SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
  }
  return kExitCode;
}
