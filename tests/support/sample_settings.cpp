#include "support/sample_settings.h"

namespace ostrevin::test_support {

Settings SettingsFileDefaults() {
  Settings settings;
  settings.StartTimes = {EncodeTimeOfDay(8, 30, 0, 0),  EncodeTimeOfDay(9, 30, 0, 0),
                         EncodeTimeOfDay(10, 30, 0, 0), EncodeTimeOfDay(11, 30, 0, 0),
                         EncodeTimeOfDay(12, 25, 0, 0), EncodeTimeOfDay(13, 20, 0, 0),
                         EncodeTimeOfDay(14, 15, 0, 0)};
  settings.LessLen = 450;
  settings.IntroTime = 50;
  settings.FinishTime = 50;
  settings.ShowCurrNo = true;
  settings.bOfferExit = true;
  settings.bWarnBeforeLesson = false;
  settings.bShowOnStartLesson = true;
  settings.IsBlend = true;
  settings.BlendVal = 127;
  settings.WarnVal = 3;
  settings.StartStopSnd = true;
  settings.IntroPartSnd = true;
  settings.CountDown = false;
  settings.AllSndsOFF = false;
  settings.FinishPartSounds = fpsEveryMinute;
  settings.BellOffset = 0;
  settings.JoinLesson = true;
  settings.TimeServer.clear();
  return settings;
}

BellLesson LessonAt(int hour, int minute, int minutes) {
  const TimeOfDay start = TimeOfDay::At(hour, minute);
  return {start, AddMinutes(start, minutes)};
}

std::vector<BellLesson> EvenLessons(int count, int hour, int minute, int minutes,
                                    int breakMinutes) {
  std::vector<BellLesson> lessons;
  for (int lesson = 0; lesson < count; ++lesson) {
    const TimeOfDay start =
        AddMinutes(TimeOfDay::At(hour, minute), lesson * (minutes + breakMinutes));
    lessons.push_back({start, AddMinutes(start, minutes)});
  }
  return lessons;
}

}  // namespace ostrevin::test_support
