#include "toolkit/file_dialog.h"

#include <windows.h>
// After windows.h, which they need.
#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "base/app_error.h"
#include "toolkit/application.h"
#include "toolkit/handles.h"
#include "toolkit/system_library.h"

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

using DialogFunction = BOOL WINAPI(OPENFILENAMEW*);
using ErrorFunction = DWORD WINAPI();

// The system's common dialogs, loaded at the first file dialog and kept for
// the rest of the run: the program starts without them (they bring the
// printer spooler's libraries along, for a dialog most teachers never open),
// and the shell's helpers of an Explorer-style dialog may outlive the call.
class CommonDialogs {
 public:
  CommonDialogs() : library_(LoadSystemLibrary(L"comdlg32.dll")) {
    if (!library_) return;
    open_ = LibraryFunction<DialogFunction>(library_.get(), "GetOpenFileNameW");
    save_ = LibraryFunction<DialogFunction>(library_.get(), "GetSaveFileNameW");
    error_ = LibraryFunction<ErrorFunction>(library_.get(), "CommDlgExtendedError");
  }
  CommonDialogs(const CommonDialogs&) = delete;
  CommonDialogs& operator=(const CommonDialogs&) = delete;

  DialogFunction* Open() const { return Checked(open_); }
  DialogFunction* Save() const { return Checked(save_); }
  DWORD ExtendedError() const { return Checked(error_)(); }

 private:
  template <typename Function>
  static Function* Checked(Function* function) {
    if (!function) throw AppError(L"Unable to show the file dialog");
    return function;
  }

  UniqueModule library_;
  DialogFunction* open_ = nullptr;
  DialogFunction* save_ = nullptr;
  ErrorFunction* error_ = nullptr;
};

const CommonDialogs& Dialogs() {
  static const CommonDialogs dialogs;
  return dialogs;
}

std::optional<std::wstring> AskFileName(const FileDialogDesign& design, DWORD flags,
                                        DialogFunction* ask) {
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
  if (Dialogs().ExtendedError() != 0) throw AppError(L"Unable to show the file dialog");
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> AskFileToOpen(const FileDialogDesign& design) {
  return AskFileName(design, OFN_PATHMUSTEXIST, Dialogs().Open());
}

std::optional<std::wstring> AskFileToSave(const FileDialogDesign& design) {
  return AskFileName(design, OFN_PATHMUSTEXIST, Dialogs().Save());
}

}  // namespace ostrevin::toolkit
