#include "ui/work_services.h"

#include "system/autostart.h"
#include "system/shell_open.h"
#include "system/system_sound.h"
#include "system/working_set.h"

namespace ostrevin {

void SystemWorkServices::PlaySystemSound(SoundKind kind) {
  ostrevin::PlaySystemSound(kind, false);
}

void SystemWorkServices::TrimWorkingSet() {
  ostrevin::TrimWorkingSet();
}

bool SystemWorkServices::IsAutoRun(const std::wstring& name, const std::wstring& path) {
  return ostrevin::IsAutoRun(name, path);
}

void SystemWorkServices::SetAutoRun(const std::wstring& name, const std::wstring& path,
                                    bool enable) {
  ostrevin::SetAutoRun(name, path, enable);
}

bool SystemWorkServices::OpenURL(const std::wstring& target) {
  return ostrevin::OpenURL(target);
}

}  // namespace ostrevin
