// Time texts under every regional format: the reader never misbehaves, and
// whatever the writer makes of a time reads back as that time.
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "settings/time_of_day.h"

namespace {

using ostrevin::FormatTimeOfDay;
using ostrevin::ParseTimeOfDay;
using ostrevin::RegionalTimeFormat;
using ostrevin::TimeOfDay;
using ostrevin::fuzz::Require;

void RequireWrittenTimeReadsBack(TimeOfDay time, const RegionalTimeFormat& format) {
  const std::optional<TimeOfDay> reread = ParseTimeOfDay(FormatTimeOfDay(time, format), format);
  Require(reread == time, "a written time reads back as the same time");
}

// Four bytes of the input pick a time of day to the millisecond.
TimeOfDay TimeFrom(ostrevin::fuzz::FuzzInput& input) {
  std::uint32_t ms = 0;
  for (int i = 0; i < 4; ++i) ms = ms << 8 | input.Byte();
  return ostrevin::TimeOfDay::FromMilliseconds(ms % ostrevin::kMillisecondsPerDay);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ostrevin::fuzz::FuzzInput input(data, size);
  const RegionalTimeFormat format = ostrevin::fuzz::ConsumeRegionalTimeFormat(input);
  RequireWrittenTimeReadsBack(TimeFrom(input), format);
  const std::optional<TimeOfDay> parsed = ParseTimeOfDay(input.Rest(), format);
  if (parsed) {
    Require(*parsed == parsed->WithinDay(), "a parsed time lies within the day");
    RequireWrittenTimeReadsBack(*parsed, format);
  }
  return 0;
}
