// Entry point of velmarVPN.exe. Only one copy runs on the machine: a second
// one ends at once, silently, without touching the first.
#include "app/single_instance.h"
#include "platform/win32/win32_platform.h"

int main() {
  platform::win32::Win32Platform win32;
  if (app::AnotherCopyIsRunning(win32.ports().kernel)) return 0;
  // The dialogs start here; until they exist the program ends after the guard.
  return 0;
}
