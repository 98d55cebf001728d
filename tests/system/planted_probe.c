/* A DLL that exists only beside the test program, as a DLL planted beside a
   portable copy in Downloads would: it must never be loaded by name. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
