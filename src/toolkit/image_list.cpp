#include "toolkit/image_list.h"

#include <algorithm>
#include <utility>

#include "base/app_error.h"
#include "base/decimal_text.h"

namespace ostrevin::toolkit {
namespace {

// A resource's name, or "#<id>" for one named by a number.
std::wstring ResourceName(const wchar_t* name) {
  return IS_INTRESOURCE(name)
             ? L"#" + DecimalText(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)))
             : std::wstring(name);
}

}  // namespace

ImageList::ImageList(int width, int height)
    : list_(CommonControls::Get().ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)) {
  if (!list_) throw AppError(L"Unable to create an image list");
}

int ImageList::Count() const {
  return CommonControls::Get().ImageList_GetImageCount(list_.get());
}

int ImageList::Size() const {
  int width = 0;
  int height = 0;
  CommonControls::Get().ImageList_GetIconSize(list_.get(), &width, &height);
  return width;
}

int ImageList::AddMasked(HBITMAP bitmap, COLORREF maskColor) {
  const int index = CommonControls::Get().ImageList_AddMasked(list_.get(), bitmap, maskColor);
  if (index < 0) throw AppError(L"Unable to add a picture to an image list");
  return index;
}

int ImageList::Add(HBITMAP bitmap, HBITMAP mask) {
  const int index = CommonControls::Get().ImageList_Add(list_.get(), bitmap, mask);
  if (index < 0) throw AppError(L"Unable to add a picture to an image list");
  return index;
}

int ImageList::AddIcon(HICON icon) {
  const int index = CommonControls::Get().ImageList_ReplaceIcon(list_.get(), -1, icon);
  if (index < 0) throw AppError(L"Unable to add an icon to an image list");
  return index;
}

int ImageList::AddMaskedResource(HINSTANCE instance, const wchar_t* bitmapName,
                                 COLORREF maskColor) {
  UniqueBitmap bitmap(
      static_cast<HBITMAP>(::LoadImageW(instance, bitmapName, IMAGE_BITMAP, 0, 0, 0)));
  if (!bitmap) throw AppError(L"Unable to load the pictures " + ResourceName(bitmapName));
  return AddMasked(bitmap.get(), maskColor);
}

UniqueIcon ImageList::GetIcon(int index) const {
  if (index < 0 || index >= Count()) return UniqueIcon();
  return UniqueIcon(CommonControls::Get().ImageList_GetIcon(list_.get(), index, ILD_NORMAL));
}

void ImageList::DrawTransparent(int index, HDC dc, int x, int y) const {
  CommonControls::Get().ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
}

ScaledImageList::ScaledImageList(std::vector<ImageList> sizes) : lists_(std::move(sizes)) {
  if (lists_.empty()) throw AppError(L"A scaled image list needs pictures of one size at least");
}

const ImageList& ScaledImageList::ForScale(const DpiScale& scaling) const {
  std::vector<int> sizes;
  for (const ImageList& list : lists_) sizes.push_back(list.Size());
  const int size = PictureSizeFor(DesignSize(), scaling, sizes);
  for (const ImageList& list : lists_) {
    if (list.Size() == size) return list;
  }
  return lists_.front();
}

int ScaledImageList::DesignSize() const {
  int smallest = lists_.front().Size();
  for (const ImageList& list : lists_) smallest = std::min(smallest, list.Size());
  return smallest;
}

}  // namespace ostrevin::toolkit
