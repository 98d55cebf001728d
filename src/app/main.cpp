#include <windows.h>

#include "settings/settings.h"
#include "system/system_local_clock.h"
#include "toolkit/application.h"
#include "ui/frm_work.h"
#include "ui/work_services.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ostrevin::toolkit::Application& application = ostrevin::toolkit::Application::Instance();
  try {
    application.Initialize(instance);
    application.SetTitle(L"Ostrevin");
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
