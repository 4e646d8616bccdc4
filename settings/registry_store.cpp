#include "settings/registry_store.h"

#include <algorithm>
#include <cstring>

#include "postal/text.h"
#include "win32/buffer_sizes.h"

namespace kuranto::settings {

namespace {

std::string SubkeyPath(const SettingsKey& key, const char* name) { return key.path + "\\" + name; }

}  // namespace

SettingsSection SettingsSection::Open(const SettingsKey& key, const char* name) {
  SettingsSection section;
  if (RegOpenKeyExA(key.root, SubkeyPath(key, name).c_str(), 0, KEY_ALL_ACCESS, section.key_.put()) != ERROR_SUCCESS)
    section.key_.reset();
  return section;
}

SettingsSection SettingsSection::Create(const SettingsKey& key, const char* name) {
  SettingsSection section;
  if (RegCreateKeyExA(key.root, SubkeyPath(key, name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, section.key_.put(), nullptr) != ERROR_SUCCESS)
    section.key_.reset();
  return section;
}

bool SettingsSection::ReadNumber(const char* name, DWORD& value) const {
  if (!IsOpen()) return false;
  DWORD number = 0;
  DWORD size = sizeof number;
  if (RegQueryValueExA(key_.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS)
    return false;
  value = number;
  return true;
}

bool SettingsSection::ReadText(const char* name, std::string& value) const {
  if (!IsOpen()) return false;
  char text[kSettingBytes] = {};
  DWORD size = sizeof text;
  if (RegQueryValueExA(key_.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
    return false;
  // The buffer was zeroed: a text that fills it has no terminator of its own.
  const char* end = std::find(text, text + sizeof text, '\0');
  value = postal::TruncateText(std::string(static_cast<const char*>(text), end), kSettingBytes - 1);
  return true;
}

void SettingsSection::WriteNumber(const char* name, DWORD value) const {
  if (!IsOpen()) return;
  RegSetValueExA(key_.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void SettingsSection::WriteText(const char* name, const std::string& text) const {
  if (!IsOpen()) return;
  char data[kSettingBytes] = {};
  const std::string cut = postal::TruncateText(text, kSettingBytes - 1);
  std::memcpy(data, cut.data(), cut.size());
  RegSetValueExA(key_.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
}

}  // namespace kuranto::settings
