#include <windows.h>

#include "toolkit/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ostrevin::toolkit::Application& application = ostrevin::toolkit::Application::Instance();
  try {
    application.Initialize(instance);
    application.SetTitle(L"Ostrevin");
    return 0;
  } catch (...) {
    application.HandleCurrentException();
    return 1;
  }
}
