// The registry key that holds the settings, read and written one subkey at
// a time. Texts are cp932.
#pragma once

#include <windows.h>

#include <string>

#include "win32/scoped.h"

namespace kuranto::settings {

inline constexpr char kProgramKeyPath[] = "Software\\Ostrel\\Kuranto";

// Where the settings live. The program keeps them under HKEY_CURRENT_USER at
// kProgramKeyPath; a test points this at a key of its own.
struct SettingsKey {
  HKEY root = HKEY_CURRENT_USER;
  std::string path = kProgramKeyPath;
};

// One subkey of the settings: "Width", "Width2", "Size" or "Setting".
class SettingsSection {
 public:
  // For reading. A subkey that cannot be opened gives a section that is not
  // open, whose reads all fail.
  static SettingsSection Open(const SettingsKey& key, const char* name);
  // For writing, made when missing. A failure gives a section whose writes
  // do nothing: the settings of that run are then lost, silently.
  static SettingsSection Create(const SettingsKey& key, const char* name);

  bool IsOpen() const { return key_.get() != nullptr; }

  // The value read into a 4-byte buffer, whatever its stored type; false
  // when it is missing or does not fit.
  bool ReadNumber(const char* name, DWORD& value) const;
  // The text read into a 64-byte buffer; false when it is missing or longer
  // (64 bytes with its terminator). A text without a terminator is cut to
  // 63 bytes at a character boundary.
  bool ReadText(const char* name, std::string& value) const;

  void WriteNumber(const char* name, DWORD value) const;
  // REG_SZ with 64 bytes of data: the text, cut to 63 bytes at a character
  // boundary, then zeros.
  void WriteText(const char* name, const std::string& text) const;

 private:
  ScopedRegKey key_;
};

}  // namespace kuranto::settings
