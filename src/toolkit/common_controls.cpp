#include "toolkit/common_controls.h"

#include <cstring>
#include <string>
#include <utility>

#include "base/app_error.h"
#include "toolkit/system_library.h"

namespace ostrevin::toolkit {
namespace {

constexpr const wchar_t* kLibrary = L"comctl32.dll";

template <typename Function>
Function* RequiredFunction(HMODULE library, const char* name) {
  Function* function = LibraryFunction<Function>(library, name);
  // The names are plain ASCII.
  if (!function) throw AppError(L"Unable to find " + std::wstring(name, name + std::strlen(name)));
  return function;
}

// By its bare name: the DLL search is kept to the system folder, and the
// manifest's activation context redirects the name to version 6.
UniqueModule LoadCommonControls() {
  UniqueModule library(::LoadLibraryW(kLibrary));
  if (!library) throw AppError(L"Unable to load " + std::wstring(kLibrary));
  return library;
}

// The classes of the controls the toolkit makes (toolbar, tooltips, tabs,
// up-down arrows), registered before the first of them is created.
void RegisterControlClasses(HMODULE library) {
  const auto initialize =
      RequiredFunction<decltype(::InitCommonControlsEx)>(library, "InitCommonControlsEx");
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES;
  if (!initialize(&controls)) throw AppError(L"Unable to register the common controls");
}

}  // namespace

const CommonControls& CommonControls::Get() {
  // A failed load is tried again at the next use.
  static const CommonControls library(LoadCommonControls());
  return library;
}

CommonControls::CommonControls(UniqueModule library)
    : ImageList_Create(
          RequiredFunction<decltype(::ImageList_Create)>(library.get(), "ImageList_Create")),
      ImageList_Destroy(
          RequiredFunction<decltype(::ImageList_Destroy)>(library.get(), "ImageList_Destroy")),
      ImageList_GetImageCount(RequiredFunction<decltype(::ImageList_GetImageCount)>(
          library.get(), "ImageList_GetImageCount")),
      ImageList_GetIconSize(RequiredFunction<decltype(::ImageList_GetIconSize)>(
          library.get(), "ImageList_GetIconSize")),
      ImageList_Add(RequiredFunction<decltype(::ImageList_Add)>(library.get(), "ImageList_Add")),
      ImageList_AddMasked(
          RequiredFunction<decltype(::ImageList_AddMasked)>(library.get(), "ImageList_AddMasked")),
      ImageList_ReplaceIcon(RequiredFunction<decltype(::ImageList_ReplaceIcon)>(
          library.get(), "ImageList_ReplaceIcon")),
      ImageList_GetIcon(
          RequiredFunction<decltype(::ImageList_GetIcon)>(library.get(), "ImageList_GetIcon")),
      ImageList_Draw(RequiredFunction<decltype(::ImageList_Draw)>(library.get(), "ImageList_Draw")),
      library_(std::move(library)) {
  RegisterControlClasses(library_.get());
}

}  // namespace ostrevin::toolkit
