// The timer window on the school's time: the bell offset and the time
// server's difference correct the clock that its lesson clock reads.
#include <string>
#include <vector>

#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormBellTest = WorkFormTest;

constexpr int kMonday = 1;

// Lesson 1 at 08:30 on Monday, a bell 40 seconds ahead of the computer.
const char kBellAhead[] =
    "[1]\r\n1=1\r\n[Common]\r\nbOfferExit=0\r\n[Bell]\r\nBellOffset=40\r\n";

TEST_F(WorkFormBellTest, ALessonBeginsAtItsBellByTheSchoolsTime) {
  WriteSettingsFile(kBellAhead);
  clock.Set(kMonday, 8, 29, 10);
  TWorkF& workF = CreateForm();
  Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsIdle);

  clock.Set(kMonday, 8, 29, 20);  // 08:30:00 at school
  Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsIntro);
  EXPECT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
}

}  // namespace
}  // namespace ostrevin::uitest
