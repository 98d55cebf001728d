#include "toolkit/image_list.h"

#include "base/app_error.h"

namespace ostrevin::toolkit {

ImageList::ImageList(int width, int height)
    : list_(::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)) {
  if (!list_) throw AppError(L"Unable to create an image list");
}

int ImageList::Count() const {
  return ::ImageList_GetImageCount(list_.get());
}

int ImageList::AddMasked(HBITMAP bitmap, COLORREF maskColor) {
  const int index = ::ImageList_AddMasked(list_.get(), bitmap, maskColor);
  if (index < 0) throw AppError(L"Unable to add a picture to an image list");
  return index;
}

int ImageList::Add(HBITMAP bitmap, HBITMAP mask) {
  const int index = ::ImageList_Add(list_.get(), bitmap, mask);
  if (index < 0) throw AppError(L"Unable to add a picture to an image list");
  return index;
}

int ImageList::AddIcon(HICON icon) {
  const int index = ::ImageList_ReplaceIcon(list_.get(), -1, icon);
  if (index < 0) throw AppError(L"Unable to add an icon to an image list");
  return index;
}

int ImageList::AddMaskedResource(HINSTANCE instance, const wchar_t* bitmapName,
                                 COLORREF maskColor) {
  UniqueBitmap bitmap(
      static_cast<HBITMAP>(::LoadImageW(instance, bitmapName, IMAGE_BITMAP, 0, 0, 0)));
  if (!bitmap) throw AppError(L"Unable to load the pictures " + std::wstring(bitmapName));
  return AddMasked(bitmap.get(), maskColor);
}

UniqueIcon ImageList::GetIcon(int index) const {
  if (index < 0 || index >= Count()) return UniqueIcon();
  return UniqueIcon(::ImageList_GetIcon(list_.get(), index, ILD_NORMAL));
}

}  // namespace ostrevin::toolkit
