#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/version.h"
#include "toolkit/application.h"
#include "toolkit/handles.h"
#include "ui/artwork.h"

namespace ostrevin {
namespace {

// ostrevin.exe, loaded as data: its resources are read, its code never runs.
class AppResourcesTest : public testing::Test {
 protected:
  void SetUp() override {
    exe.reset(::LoadLibraryExW(OSTREVIN_EXE_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(exe) << "cannot load " << OSTREVIN_EXE_PATH;
  }

  std::string Resource(const wchar_t* name, const wchar_t* type) const {
    HRSRC found = ::FindResourceW(exe.get(), name, type);
    if (!found) return {};
    const auto* data = static_cast<const char*>(::LockResource(::LoadResource(exe.get(), found)));
    return std::string(data, ::SizeofResource(exe.get(), found));
  }

  toolkit::UniqueModule exe;
};

TEST_F(AppResourcesTest, TheManifestAsksForCommonControls6AndNoElevation) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  for (const char* os :
       {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
        "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
    EXPECT_NE(manifest.find(os), std::string::npos) << os;
  }
}

// Aware of each monitor's scaling, the second way first, and of the system's
// scaling where Windows knows no more.
TEST_F(AppResourcesTest, TheManifestDeclaresTheProgramAwareOfEachScreensScaling) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                          "WindowsSettings\">true/pm</dpiAware>"),
            std::string::npos);
  EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                          "WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"),
            std::string::npos);
}

// The small icon's sizes at 100, 125, 150 and 200 %, and the large icon's.
TEST_F(AppResourcesTest, TheProgramIconHasItsImagesAtEverySmallIconSize) {
  const std::string group =
      Resource(toolkit::Application::kProgramIconResource, MAKEINTRESOURCEW(14));
  ASSERT_GE(group.size(), 6u);
  const auto* bytes = reinterpret_cast<const BYTE*>(group.data());
  const int count = bytes[4] | (bytes[5] << 8);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) sizes.push_back(bytes[6 + 14 * i]);
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 48}));
}

TEST_F(AppResourcesTest, TheToolbarPicturesAreAStripOfFourImagesAtEachSize) {
  for (int size : kToolbarPictureSizes) {
    toolkit::UniqueBitmap strip(static_cast<HBITMAP>(
        ::LoadImageW(exe.get(), ToolbarPicturesResource(size), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(strip) << size;
    BITMAP info{};
    ::GetObjectW(strip.get(), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 4 * size);
    EXPECT_EQ(info.bmHeight, size);
  }
}

TEST_F(AppResourcesTest, TheVersionNamesTheProgramAndItsMakers) {
  const std::string version = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
  const std::wstring text(reinterpret_cast<const wchar_t*>(version.data()), version.size() / 2);
  for (const wchar_t* expected :
       {L"ProductName", L"Ostrevin", L"OriginalFilename", L"ostrevin.exe", OSTREVIN_VERSION_WTEXT,
        L"school lessons", L"The Ostrevin team"}) {
    EXPECT_NE(text.find(expected), std::wstring::npos) << expected;
  }
  const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(
      version.data() + 40);  // after the root block's header and its key "VS_VERSION_INFO"
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD versionMs = (OSTREVIN_VERSION_MAJOR << 16) | OSTREVIN_VERSION_MINOR;
  const DWORD versionLs = (OSTREVIN_VERSION_PATCH << 16) | OSTREVIN_VERSION_TWEAK;
  EXPECT_EQ(fixed->dwFileVersionMS, versionMs);
  EXPECT_EQ(fixed->dwFileVersionLS, versionLs);
  EXPECT_EQ(fixed->dwProductVersionMS, versionMs);
  EXPECT_EQ(fixed->dwProductVersionLS, versionLs);
}

}  // namespace
}  // namespace ostrevin
