#include "components/model/tray_taskbar_version.h"

#include <gtest/gtest.h>

namespace ostrevin {
namespace {

constexpr std::uint32_t Version(std::uint32_t major, std::uint32_t minor) {
  return major << 16 | minor;
}

TEST(AnnouncesTaskbarCreatedTest, FromCommonControls471On) {
  struct Case {
    std::uint32_t version;
    bool expected;
  };
  for (const Case& c :
       {Case{Version(4, 70), false}, Case{Version(4, 71), true}, Case{Version(4, 72), true},
        Case{Version(5, 0), true}, Case{Version(5, 82), true}, Case{Version(6, 10), true},
        Case{Version(3, 99), false}, Case{0, false}}) {
    EXPECT_EQ(AnnouncesTaskbarCreated(c.version), c.expected)
        << (c.version >> 16) << "." << (c.version & 0xFFFF);
  }
}

}  // namespace
}  // namespace ostrevin
