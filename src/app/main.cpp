#include <windows.h>

#include "settings/settings.h"
#include "system/dll_search.h"
#include "system/single_instance.h"
#include "system/system_local_clock.h"
#include "toolkit/application.h"
#include "toolkit/message_box.h"
#include "ui/frm_work.h"
#include "ui/work_services.h"

namespace {

// The program's title: its taskbar entry, its error reports, its autostart
// entry, and how a later start finds it running.
constexpr const wchar_t* kApplicationTitle = L"Ostrevin";
// How long a later start waits for the running copy to answer (a copy still
// starting up has no window yet) or to end (one closing after "Выход").
constexpr int kRunningCopyPatienceMs = 5000;
constexpr const wchar_t* kSilentCopyText =
    L"Ostrevin уже запущен, но не отвечает.\n\n"
    L"Подождите минуту и запустите его снова. Если это не поможет, "
    L"выйдите из Windows и войдите снова.";

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Before anything loads a DLL by name.
  ostrevin::RestrictDllSearchToSystemFolder();
  ostrevin::toolkit::Application& application = ostrevin::toolkit::Application::Instance();
  application.SetTitle(kApplicationTitle);
  // A start while the program runs (autostart at logon, then a double-click)
  // shows the running copy's window instead of making a second copy.
  ostrevin::SingleInstance single(L"Ostrevin.Running");
  if (!single.IsFirst()) {
    switch (ostrevin::AskRunningCopyToShow(single, ostrevin::toolkit::Application::kWindowClass,
                                           kApplicationTitle, kRunningCopyPatienceMs)) {
      case ostrevin::RunningCopyAnswer::Showing:
        return 0;
      case ostrevin::RunningCopyAnswer::Silent:
        ostrevin::toolkit::ShowMessage(kSilentCopyText, MB_ICONWARNING | MB_OK);
        return 1;
      case ostrevin::RunningCopyAnswer::Ended:
        break;
    }
  }
  try {
    application.Initialize(instance);
    // The one settings record of the run, and the clock and services it runs on.
    ostrevin::Settings settings;
    const ostrevin::SystemLocalClock localClock;
    ostrevin::SystemWorkServices services;
    // Creating the window loads the settings; destroying it saves them.
    ostrevin::TWorkF workF(settings, localClock, services);
    return application.Run();
  } catch (...) {
    application.HandleCurrentException();
    return 1;
  }
}
