#include <windows.h>

#include "settings/settings.h"
#include "system/single_instance.h"
#include "system/system_local_clock.h"
#include "toolkit/application.h"
#include "ui/frm_work.h"
#include "ui/work_services.h"

namespace {

// The program's title: its taskbar entry, its error reports, its autostart
// entry, and how a later start finds it running.
constexpr const wchar_t* kApplicationTitle = L"Ostrevin";
// How long a later start looks for the window of a copy that is still starting.
constexpr int kRunningCopyPatienceMs = 5000;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A start while the program runs (autostart at logon, then a double-click)
  // shows the running copy's window instead of making a second copy.
  const ostrevin::SingleInstance single(L"Ostrevin.Running");
  if (!single.IsFirst()) {
    ostrevin::AskRunningCopyToShow(ostrevin::toolkit::Application::kWindowClass, kApplicationTitle,
                                   kRunningCopyPatienceMs);
    return 0;
  }
  ostrevin::toolkit::Application& application = ostrevin::toolkit::Application::Instance();
  try {
    application.Initialize(instance);
    application.SetTitle(kApplicationTitle);
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
