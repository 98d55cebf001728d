#include <cstdint>

#include "clock/lesson_clock.h"
#include "clock/whole_milliseconds.h"

namespace ostrevin {

namespace {

std::int64_t SlotStart(const Settings& settings, int slot) {
  return WholeMilliseconds(settings.StartTime(slot));
}

std::int64_t SlotEnd(const Settings& settings, int slot) {
  return WholeMilliseconds(SlotEndTime(settings, slot));
}

// The slot whose lesson covers the moment, both ends included; the lower slot
// wins where lessons touch or overlap. Zero in a break.
int LessonCovering(const Settings& settings, std::int64_t moment) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (SlotStart(settings, slot) <= moment && moment <= SlotEnd(settings, slot)) return slot;
  }
  return 0;
}

}  // namespace

// The indicator's answer comes from the timetable's times alone, on every day
// and for disabled slots too, whatever the lesson clock is doing.
void LessonClock::LocateCurrentLesson() {
  const LocalDateTime now = clock_.Now();
  const std::int64_t moment =
      WholeMilliseconds(EncodeTimeOfDay(now.hour, now.minute, now.second, now.millisecond));
  CurrentLesson = LessonCovering(settings_, moment);
  if (CurrentLesson != 0) return;
  if (moment >= SlotStart(settings_, kSlotCount)) {
    PrevLesson = kSlotCount;
    return;
  }
  for (int slot = 1; slot < kSlotCount; ++slot) {
    if (SlotEnd(settings_, slot) <= moment && moment <= SlotStart(settings_, slot + 1)) {
      PrevLesson = slot;
      return;
    }
  }
  // Before the first lesson: the break number of the last call stands, so a
  // program left running overnight still shows that yesterday's lessons are over.
}

}  // namespace ostrevin
