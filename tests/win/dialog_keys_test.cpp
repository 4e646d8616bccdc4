// Every dialog of the program, created from its own resources, read as the
// keyboard meets it: no access key twice in a dialog, and every field the
// Tab key reaches labelled by the text just before it, with a key. A new
// dialog fails here until it is added to the table with its keys.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Expected {
  const char* keys;  // every access key, in Tab order
  // The detail dialogs and the settings pages keep the labels of the
  // program's first version, which name no fields of their own.
  bool labelsChecked;
};

const std::map<std::string, Expected> kDialogs = {
    {"IDD_ADDRESS_TO_CODE", {"JNYPB", true}},
    {"IDD_CSV_COLUMNS", {"JCNHBSDL", true}},
    {"IDD_CSV_PROGRESS", {"", true}},
    {"IDD_ADDRESS_LIST_TO_CODES", {"JRCBPDL", true}},
    {"IDD_LABEL_PRINT", {"SMDKHOPXYNACBZTR", true}},
    {"IDD_LABEL_PRINTING", {"", true}},
    {"IDD_DIALOG1", {"", true}},
    {"IDD_DIALOG5", {"", true}},
    {"IDD_DIALOG2", {"", false}},
    {"IDD_DIALOG3", {"", false}},
    {"PAGE1", {"", false}},
    {"PAGE2", {"", false}},
    {"PAGE3", {"", false}},
};

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
  return TRUE;
}

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string ClassOf(HWND control) {
  char name[64] = {};
  GetClassNameA(control, name, sizeof name);
  return name;
}

bool Is(HWND control, const char* name) { return lstrcmpiA(ClassOf(control).c_str(), name) == 0; }

// The key of "…(&J)…", upper case; 0 for none ("&&" is a plain "&").
char AccessKey(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (Is(control, "Static") && ((style & SS_NOPREFIX) || (style & SS_TYPEMASK) == SS_OWNERDRAW)) return 0;
  if (!Is(control, "Static") && !Is(control, "Button")) return 0;
  char text[512] = {};
  GetWindowTextA(control, text, sizeof text);
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p != '&') continue;
    if (p[1] == '&') {
      ++p;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(p[1])));
  }
  return 0;
}

bool IsField(HWND control) {
  const bool tab = (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) != 0;
  return tab && (Is(control, "Edit") || Is(control, "ListBox") || Is(control, "ComboBox") ||
                 Is(control, WC_LISTVIEWA));
}

TEST(DialogKeys, NoKeyTwiceAndEveryFieldLabelled) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<std::string> names;
  EnumResourceNamesA(instance, RT_DIALOG, AddName, reinterpret_cast<LONG_PTR>(&names));
  ASSERT_EQ(names.size(), kDialogs.size()) << "a dialog is missing, or new and not in the table";
  // The settings pages are children: they need a parent.
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const auto expected = kDialogs.find(name);
    ASSERT_NE(expected, kDialogs.end()) << "a new dialog: add it to the table with its keys";
    HWND dialog = CreateDialogParamA(instance, name.c_str(), parent, Quiet, 0);
    ASSERT_NE(dialog, nullptr);
    std::string keys;
    std::set<char> seen;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
      const char key = AccessKey(control);
      if (key != 0) {
        EXPECT_TRUE(seen.insert(key).second) << "&" << key << " twice";
        keys += key;
      }
      if (expected->second.labelsChecked && IsField(control)) {
        HWND label = GetWindow(control, GW_HWNDPREV);
        EXPECT_TRUE(label != nullptr && Is(label, "Static") && AccessKey(label) != 0)
            << "field " << GetDlgCtrlID(control) << " has no label with a key just before it";
      }
    }
    EXPECT_EQ(keys, expected->second.keys);
    DestroyWindow(dialog);
  }
  DestroyWindow(parent);
}

}  // namespace
