#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/artwork.h"
#include "base/app_error.h"
#include "toolkit/image_list.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

class ImageListTest : public ToolkitTest {
 protected:
  // The colour at a point of a picture drawn over white.
  COLORREF PixelOver(const ImageList& list, int index, int x, int y) {
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 16, 16));
    SelectGuard selected(dc.get(), bitmap.get());
    RECT all{0, 0, 16, 16};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::ImageList_Draw(list.get(), index, dc.get(), 0, 0, ILD_TRANSPARENT);
    return ::GetPixel(dc.get(), x, y);
  }
};

TEST_F(ImageListTest, TheToolbarPicturesAreFourImagesOf16Pixels) {
  ImageList list(kToolbarPictureSize, kToolbarPictureSize);
  EXPECT_EQ(list.AddMaskedResource(::GetModuleHandleW(nullptr), kToolbarPicturesResource,
                                   kToolbarPicturesMask),
            0);
  EXPECT_EQ(list.Count(), 4);
  for (int index = 0; index < 4; ++index) EXPECT_TRUE(list.GetIcon(index)) << index;
  EXPECT_FALSE(list.GetIcon(4));
  EXPECT_FALSE(list.GetIcon(-1));
}

TEST_F(ImageListTest, TheMaskColourIsTransparentAndThePicturesKeepTheirColours) {
  ImageList list(16, 16);
  list.AddMaskedResource(::GetModuleHandleW(nullptr), kToolbarPicturesResource,
                         kToolbarPicturesMask);
  const COLORREF white = RGB(255, 255, 255);
  EXPECT_EQ(PixelOver(list, kPictureStop, 0, 0), white);
  const COLORREF disc = PixelOver(list, kPictureStop, 8, 8);
  EXPECT_GT(GetRValue(disc), 180);
  EXPECT_LT(GetGValue(disc), 80);
  EXPECT_EQ(PixelOver(list, kPictureStart, 14, 1), white);
  const COLORREF triangle = PixelOver(list, kPictureStart, 6, 8);
  EXPECT_GT(GetGValue(triangle), GetRValue(triangle) + 60);
}

TEST_F(ImageListTest, AnAddedIconIsTheNextImage) {
  ImageList list(16, 16);
  EXPECT_EQ(list.AddIcon(app.SmallIcon()), 0);
  EXPECT_EQ(list.AddIcon(app.SmallIcon()), 1);
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(ImageListTest, AMissingResourceIsAnError) {
  ImageList list(16, 16);
  EXPECT_THROW(list.AddMaskedResource(::GetModuleHandleW(nullptr), L"NOSUCHPICTURES", 0), AppError);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace ostrevin::toolkit
