#include "ui/work_services.h"

#include "system/system_sound.h"
#include "system/wait.h"
#include "system/working_set.h"

namespace ostrevin {

void SystemWorkServices::PlaySystemSound(SoundKind kind) {
  ostrevin::PlaySystemSound(kind, false);
}

void SystemWorkServices::WaitMs(int ms) {
  ostrevin::WaitMs(ms);
}

void SystemWorkServices::TrimWorkingSet() {
  ostrevin::TrimWorkingSet();
}

}  // namespace ostrevin
