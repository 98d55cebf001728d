#include "toolkit/file_dialog.h"

#include <windows.h>
// After windows.h, which they need.
#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "base/app_error.h"
#include "toolkit/application.h"

namespace ostrevin::toolkit {
namespace {

// Long paths as the Unicode dialogs allow them.
constexpr size_t kNameCapacity = 32768;

// "a|b|c|d|" as the dialog wants it: "a\0b\0c\0d\0\0".
std::vector<wchar_t> FilterOf(const std::wstring& filter) {
  std::vector<wchar_t> parts(filter.begin(), filter.end());
  for (wchar_t& c : parts) {
    if (c == L'|') c = L'\0';
  }
  parts.push_back(L'\0');
  parts.push_back(L'\0');
  return parts;
}

using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

std::optional<std::wstring> AskFileName(const FileDialogDesign& design, DWORD flags,
                                        DialogFunction ask) {
  std::vector<wchar_t> filter = FilterOf(design.filter);
  std::vector<wchar_t> name(kNameCapacity, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  HWND owner = ::GetActiveWindow();
  dialog.hwndOwner = owner ? owner : Application::Instance().Handle();
  dialog.lpstrFilter = filter.data();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = design.title.c_str();
  dialog.lpstrDefExt = design.defaultExtension.empty() ? nullptr : design.defaultExtension.c_str();
  // The program's current folder stays where it was.
  dialog.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (ask(&dialog)) return std::wstring(name.data());
  if (::CommDlgExtendedError() != 0) throw AppError(L"Unable to show the file dialog");
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> AskFileToOpen(const FileDialogDesign& design) {
  return AskFileName(design, OFN_PATHMUSTEXIST, &::GetOpenFileNameW);
}

std::optional<std::wstring> AskFileToSave(const FileDialogDesign& design) {
  return AskFileName(design, OFN_PATHMUSTEXIST, &::GetSaveFileNameW);
}

}  // namespace ostrevin::toolkit
