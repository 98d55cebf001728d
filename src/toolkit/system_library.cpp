#include "toolkit/system_library.h"

namespace ostrevin::toolkit {

std::wstring SystemFolderFile(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length >= path.size()) {  // too small: the length needed, terminator included
    path.resize(length);
    length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  }
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  path += L'\\';
  path += fileName;
  return path;
}

UniqueModule LoadSystemLibrary(const wchar_t* fileName) {
  const std::wstring path = SystemFolderFile(fileName);
  if (path.empty()) return UniqueModule();
  // The safe search flags are missing on an unpatched Windows 7.
  return UniqueModule(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace ostrevin::toolkit
