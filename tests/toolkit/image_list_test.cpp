#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "base/app_error.h"
#include "toolkit/image_list.h"
#include "toolkit_test.h"
#include "ui/artwork.h"

namespace ostrevin::toolkit {
namespace {

class ImageListTest : public ToolkitTest {
 protected:
  // The colour at a point of a picture drawn over white.
  COLORREF PixelOver(const ImageList& list, int index, int x, int y) {
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    const int size = list.Size();
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), size, size));
    SelectGuard selected(dc.get(), bitmap.get());
    RECT all{0, 0, size, size};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    list.DrawTransparent(index, dc.get(), 0, 0);
    return ::GetPixel(dc.get(), x, y);
  }
};

TEST_F(ImageListTest, TheToolbarPicturesAreFourImagesAtEachSize) {
  for (int size : kToolbarPictureSizes) {
    ImageList list(size, size);
    EXPECT_EQ(list.AddMaskedResource(::GetModuleHandleW(nullptr), ToolbarPicturesResource(size),
                                     kToolbarPicturesMask),
              0)
        << size;
    EXPECT_EQ(list.Size(), size);
    EXPECT_EQ(list.Count(), 4) << size;
    for (int index = 0; index < 4; ++index) EXPECT_TRUE(list.GetIcon(index)) << index;
    EXPECT_FALSE(list.GetIcon(4));
    EXPECT_FALSE(list.GetIcon(-1));
  }
}

// The same places of each picture, in proportion to its size.
TEST_F(ImageListTest, TheMaskColourIsTransparentAndThePicturesKeepTheirColours) {
  for (int size : kToolbarPictureSizes) {
    ImageList list(size, size);
    list.AddMaskedResource(::GetModuleHandleW(nullptr), ToolbarPicturesResource(size),
                           kToolbarPicturesMask);
    const auto at = [size](int sixteenths) { return sixteenths * size / 16; };
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(PixelOver(list, kPictureStop, 0, 0), white) << size;
    const COLORREF disc = PixelOver(list, kPictureStop, at(8), at(8));
    EXPECT_GT(GetRValue(disc), 180) << size;
    EXPECT_LT(GetGValue(disc), 80) << size;
    EXPECT_EQ(PixelOver(list, kPictureStart, at(14), at(1)), white) << size;
    const COLORREF triangle = PixelOver(list, kPictureStart, at(6), at(8));
    EXPECT_GT(GetGValue(triangle), GetRValue(triangle) + 60) << size;
  }
}

// Each size is drawn for itself: the 32-pixel pictures are not the 16-pixel
// ones doubled, whose pixels would come in 2 x 2 blocks of one colour.
TEST_F(ImageListTest, TheLargerPicturesAreNotTheSmallOnesStretched) {
  ImageList list(32, 32);
  list.AddMaskedResource(::GetModuleHandleW(nullptr), ToolbarPicturesResource(32),
                         kToolbarPicturesMask);
  int blocksBroken = 0;
  for (int y = 0; y < 32; y += 2) {
    for (int x = 0; x < 32; x += 2) {
      const COLORREF corner = PixelOver(list, kPictureOptions, x, y);
      if (PixelOver(list, kPictureOptions, x + 1, y) != corner ||
          PixelOver(list, kPictureOptions, x, y + 1) != corner) {
        ++blocksBroken;
      }
    }
  }
  EXPECT_GT(blocksBroken, 20);
}

// A toolbar shows the largest size not larger than its design's 16 pixels
// scaled: 16 at 100 and 125 %, 24 at 150 and 175 %, 32 from 200 %.
TEST_F(ImageListTest, AScaledListServesTheSizeThatSuitsTheScale) {
  const ScaledImageList pictures = ToolbarPictures();
  EXPECT_EQ(pictures.DesignSize(), 16);
  const std::pair<int, int> cases[] = {{96, 16},  {120, 16}, {144, 24},
                                       {168, 24}, {192, 32}, {240, 32}};
  for (const auto& [dpi, size] : cases) {
    EXPECT_EQ(pictures.ForScale(DpiScale(dpi)).Size(), size) << dpi;
    EXPECT_EQ(pictures.ForScale(DpiScale(dpi)).Count(), 4) << dpi;
  }
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
