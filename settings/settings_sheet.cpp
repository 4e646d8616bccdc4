#include "settings/settings_sheet.h"

#include <commctrl.h>

#include <vector>

#include "postal/templates.h"
#include "postal/text.h"
#include "resources/resource_ids.h"
#include "settings/texts.h"
#include "win32/buffer_sizes.h"

namespace kuranto::settings {

namespace {

// A preset of a template page: its name in the combo box and the template
// that "選択" puts into the template box.
struct SheetPreset {
  const char* name;
  const char* templateText;
};

const SheetPreset AddressPresets[] = {
    {postal::kPresetStandardName, postal::kPresetStandardAddress},
    {postal::kPresetPostalMarkName, postal::kPresetPostalMarkAddress},
    {postal::kPresetCsvName, postal::kPresetCsvAddress},
    {postal::kPresetDetailedName, postal::kPresetDetailedAddress},
};

const SheetPreset OfficePresets[] = {
    {postal::kPresetStandardName, postal::kPresetStandardOffice},
    {postal::kPresetPostalMarkName, postal::kPresetPostalMarkOffice},
    {postal::kPresetCsvName, postal::kPresetCsvOffice},
    {postal::kPresetDetailedName, postal::kPresetDetailedOffice},
};

constexpr int kPresetCount = 4;

// The controls of a template page and the template it edits.
struct TemplatePage {
  int edit;
  int combo;
  int select;
  const SheetPreset (&presets)[kPresetCount];
  std::string& (*target)(const SheetSettings& settings);
};

std::string& AddressTarget(const SheetSettings& settings) { return settings.addressTemplate; }
std::string& OfficeTarget(const SheetSettings& settings) { return settings.officeTemplate; }

const TemplatePage kAddressPage = {IDC_ADDRESS_TEMPLATE, IDC_ADDRESS_PRESET, IDC_ADDRESS_PRESET_SELECT, AddressPresets,
                                   AddressTarget};
const TemplatePage kOfficePage = {IDC_OFFICE_TEMPLATE, IDC_OFFICE_PRESET, IDC_OFFICE_PRESET_SELECT, OfficePresets,
                                  OfficeTarget};

// WM_INITDIALOG of a page carries its PROPSHEETPAGE, whose lParam is the
// SheetSettings; the page keeps it for its later messages.
const SheetSettings& KeepSettings(HWND page, LPARAM lParam) {
  const LPARAM settings = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
  SetWindowLongPtrA(page, DWLP_USER, settings);
  return *reinterpret_cast<const SheetSettings*>(settings);
}

const SheetSettings& KeptSettings(HWND page) {
  return *reinterpret_cast<const SheetSettings*>(GetWindowLongPtrA(page, DWLP_USER));
}

bool IsApply(LPARAM lParam) { return reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY); }

std::string ControlText(HWND page, int id) {
  HWND control = GetDlgItem(page, id);
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return text.data();
}

// "選択": the first preset whose name begins with the combo box's text goes
// into the template box. A text that begins no name changes nothing.
void SelectPreset(HWND page, const TemplatePage& layout) {
  const std::string typed = postal::TruncateText(ControlText(page, layout.combo), kSettingBytes - 1);
  const LRESULT found = SendDlgItemMessageA(page, layout.combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(typed.c_str()));
  if (found < 0 || found >= kPresetCount) return;
  SetDlgItemTextA(page, layout.edit, layout.presets[found].templateText);
}

INT_PTR TemplatePageProc(const TemplatePage& layout, HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const SheetSettings& settings = KeepSettings(page, lParam);
      for (const SheetPreset& preset : layout.presets)
        SendDlgItemMessageA(page, layout.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(preset.name));
      SendDlgItemMessageA(page, layout.combo, CB_SETCURSEL, 0, 0);
      SetDlgItemTextA(page, layout.edit, layout.target(settings).c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == layout.select) SelectPreset(page, layout);
      return TRUE;
    case WM_NOTIFY:
      // A template longer than its 64-byte buffer is cut, never inside a character.
      if (IsApply(lParam))
        layout.target(KeptSettings(page)) = postal::TruncateText(ControlText(page, layout.edit), kSettingBytes - 1);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK DisplayPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const SheetSettings& settings = KeepSettings(page, lParam);
      if (settings.hyphen) CheckDlgButton(page, IDC_SETTING_HYPHEN, BST_CHECKED);
      if (settings.hiragana) CheckDlgButton(page, IDC_SETTING_HIRAGANA, BST_CHECKED);
      return TRUE;
    }
    case WM_NOTIFY:
      if (IsApply(lParam)) {
        const SheetSettings& settings = KeptSettings(page);
        settings.hyphen = IsDlgButtonChecked(page, IDC_SETTING_HYPHEN) == BST_CHECKED;
        settings.hiragana = IsDlgButtonChecked(page, IDC_SETTING_HIRAGANA) == BST_CHECKED;
      }
      return FALSE;
    case WM_COMMAND:
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK AddressPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return TemplatePageProc(kAddressPage, page, message, wParam, lParam);
}

INT_PTR CALLBACK OfficePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return TemplatePageProc(kOfficePage, page, message, wParam, lParam);
}

void ShowSettingsSheet(HWND owner, const SheetSettings& settings) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  const struct {
    const char* name;
    DLGPROC proc;
  } pages[] = {{texts::kDisplayPage, DisplayPageProc},
               {texts::kAddressPage, AddressPageProc},
               {texts::kOfficePage, OfficePageProc}};
  HPROPSHEETPAGE handles[3] = {};
  bool made = true;
  for (int i = 0; i < 3; ++i) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;  // the tab shows the template's caption
    page.hInstance = instance;
    page.pszTemplate = pages[i].name;
    page.pfnDlgProc = pages[i].proc;
    page.lParam = reinterpret_cast<LPARAM>(&settings);
    handles[i] = CreatePropertySheetPageA(&page);
    made = made && handles[i] != nullptr;
  }
  if (made) {
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_NOAPPLYNOW;
    header.hwndParent = owner;
    header.hInstance = instance;
    header.pszCaption = texts::kSheetCaption;
    header.nPages = 3;
    header.nStartPage = 0;
    header.phpage = handles;
    PropertySheetA(&header);  // takes the pages over
  } else {
    for (HPROPSHEETPAGE handle : handles) {
      if (handle != nullptr) DestroyPropertySheetPage(handle);
    }
  }
  // The lists repaint with the display settings now in force.
  InvalidateRect(owner, nullptr, TRUE);
  UpdateWindow(owner);
}

}  // namespace kuranto::settings
