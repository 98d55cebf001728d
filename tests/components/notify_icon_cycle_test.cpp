#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "components/notify_icon.h"
#include "toolkit/handles.h"
#include "toolkit/image_list.h"
#include "tray_test_doubles.h"

namespace ostrevin {
namespace {

using test_support::Expire;
using test_support::FakeTrayShell;
using test_support::TestNotifyIcon;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMask = RGB(255, 0, 255);

toolkit::UniqueBitmap SolidBitmap(COLORREF color) {
  toolkit::WindowDc screen(nullptr);
  toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 16, 16));
  toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  toolkit::SelectGuard selection(dc.get(), bitmap.get());
  toolkit::UniqueBrush brush(::CreateSolidBrush(color));
  const RECT all{0, 0, 16, 16};
  ::FillRect(dc.get(), &all, brush.get());
  return bitmap;
}

// The colour in the middle of an icon's picture.
COLORREF IconColor(HICON icon) {
  toolkit::WindowDc screen(nullptr);
  toolkit::UniqueBitmap canvas(::CreateCompatibleBitmap(screen.get(), 16, 16));
  toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  toolkit::SelectGuard selection(dc.get(), canvas.get());
  ::DrawIconEx(dc.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  return ::GetPixel(dc.get(), 8, 8);
}

class NotifyIconCycleTest : public testing::Test {
 protected:
  NotifyIconCycleTest() {
    for (COLORREF color : {kRed, kGreen, kBlue}) list.AddMasked(SolidBitmap(color).get(), kMask);
  }

  std::size_t ModifiesSince(std::size_t callCount) const {
    std::size_t modifies = 0;
    for (std::size_t i = callCount; i < shell.calls.size(); ++i) {
      if (shell.calls[i].message == NIM_MODIFY) ++modifies;
    }
    return modifies;
  }

  toolkit::ImageList list{16, 16};
  FakeTrayShell shell;
  TestNotifyIcon icon{nullptr, shell};
};

TEST_F(NotifyIconCycleTest, AnIndexPastTheEndTakesTheLastIcon) {
  icon.SetIconList(&list);
  EXPECT_EQ(icon.IconIndex(), 0);
  EXPECT_EQ(IconColor(icon.Icon()), kRed);

  const std::size_t before = shell.calls.size();
  icon.SetIconIndex(7);
  EXPECT_EQ(icon.IconIndex(), 2);
  EXPECT_EQ(IconColor(icon.Icon()), kBlue);
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
  EXPECT_EQ(ModifiesSince(before), 2u);
}

TEST_F(NotifyIconCycleTest, AnIndexBelowZeroLoadsNoIcon) {
  icon.SetIconList(&list);
  icon.SetIconIndex(-1);
  EXPECT_EQ(icon.IconIndex(), -1);
  EXPECT_EQ(icon.Icon(), nullptr);

  toolkit::ImageList empty(16, 16);
  icon.SetIconList(&empty);
  EXPECT_EQ(icon.IconIndex(), -1);
  EXPECT_EQ(icon.Icon(), nullptr);
}

TEST_F(NotifyIconCycleTest, WithoutAListTheIndexIsZeroAndTheIconStays) {
  icon.SetIcon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */));
  const HICON own = icon.Icon();
  const std::size_t before = shell.calls.size();
  icon.SetIconIndex(5);
  EXPECT_EQ(icon.IconIndex(), 0);
  EXPECT_EQ(icon.Icon(), own);
  EXPECT_EQ(ModifiesSince(before), 1u);
}

TEST_F(NotifyIconCycleTest, TakingTheListAwayGivesIndexZeroAndKeepsTheIcon) {
  icon.SetIconList(&list);
  icon.SetIconIndex(2);
  const HICON shown = icon.Icon();
  icon.SetIconList(nullptr);
  EXPECT_EQ(icon.IconIndex(), 0);
  EXPECT_EQ(icon.Icon(), shown);
  EXPECT_EQ(IconColor(icon.Icon()), kBlue);
}

TEST_F(NotifyIconCycleTest, CyclingShowsEveryIconInTurnAndReportsTheNext) {
  std::vector<int> reported;
  icon.OnCycle = [&](TNotifyIcon& sender, int nextIndex) {
    EXPECT_EQ(&sender, &icon);
    reported.push_back(nextIndex);
  };
  icon.SetIconList(&list);
  icon.SetCycleInterval(500);
  icon.SetCycleIcons(true);
  EXPECT_TRUE(icon.CycleTicker().Enabled());
  EXPECT_EQ(icon.CycleTicker().Interval(), 500u);

  std::vector<COLORREF> shown{IconColor(icon.Icon())};
  for (int tick = 0; tick < 4; ++tick) {
    const std::size_t before = shell.calls.size();
    Expire(icon.CycleTicker());
    EXPECT_EQ(ModifiesSince(before), 3u);
    shown.push_back(IconColor(icon.Icon()));
  }
  EXPECT_EQ(shown, (std::vector<COLORREF>{kRed, kGreen, kBlue, kRed, kGreen}));
  EXPECT_EQ(reported, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(NotifyIconCycleTest, CyclingWithIntervalZeroNeverStarts) {
  icon.SetIconList(&list);
  icon.SetCycleIcons(true);
  EXPECT_TRUE(icon.CycleIcons());
  EXPECT_FALSE(icon.CycleTicker().Enabled());
}

TEST_F(NotifyIconCycleTest, SwitchingCyclingOffStopsTheTicker) {
  icon.SetIconList(&list);
  icon.SetCycleInterval(500);
  icon.SetCycleIcons(true);
  icon.SetCycleIcons(false);
  EXPECT_FALSE(icon.CycleTicker().Enabled());
}

TEST_F(NotifyIconCycleTest, ATickWithoutAListDoesNothing) {
  int cycles = 0;
  icon.OnCycle = [&](TNotifyIcon&, int) { ++cycles; };
  icon.SetCycleInterval(500);
  icon.SetCycleIcons(true);
  const std::size_t before = shell.calls.size();
  Expire(icon.CycleTicker());
  EXPECT_EQ(shell.calls.size(), before);
  EXPECT_EQ(cycles, 0);
}

TEST_F(NotifyIconCycleTest, ABitmapBecomesAnIconWithItsMaskColourTransparent) {
  class IconMaker : public TNotifyIcon {
   public:
    using TNotifyIcon::MaskBitmapIntoIcon;
  };
  const toolkit::UniqueBitmap green = SolidBitmap(kGreen);
  const toolkit::UniqueIcon opaque = IconMaker::MaskBitmapIntoIcon(green.get(), kMask);
  EXPECT_EQ(IconColor(opaque.get()), kGreen);

  const toolkit::UniqueIcon seeThrough = IconMaker::MaskBitmapIntoIcon(green.get(), kGreen);
  ICONINFO parts{};
  ASSERT_TRUE(::GetIconInfo(seeThrough.get(), &parts));
  const toolkit::UniqueBitmap mask(parts.hbmMask);
  const toolkit::UniqueBitmap color(parts.hbmColor);
  toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  toolkit::SelectGuard selection(dc.get(), mask.get());
  EXPECT_EQ(::GetPixel(dc.get(), 8, 8), RGB(255, 255, 255));
}

}  // namespace
}  // namespace ostrevin
