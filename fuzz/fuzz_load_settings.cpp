// Settings files of any content: loading never misbehaves, and saving what
// was loaded and loading that again gives the same settings.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "settings/settings_file.h"
#include "support/memory_profile_file.h"

namespace {

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ostrevin::Settings;
  using ostrevin::test_support::MemoryProfileFile;

  ostrevin::fuzz::FuzzInput input(data, size);
  const ostrevin::RegionalTimeFormat format = ostrevin::fuzz::ConsumeRegionalTimeFormat(input);
  MemoryProfileFile original(kPath, input.Rest());
  Settings loaded;
  ostrevin::LoadSettings(loaded, original, format);

  MemoryProfileFile saved(kPath);
  ostrevin::SaveSettings(loaded, saved, format);
  Settings reloaded;
  ostrevin::LoadSettings(reloaded, saved, format);
  ostrevin::fuzz::Require(reloaded == loaded, "saved settings load back unchanged");
  return 0;
}
