#include "platform/ui/app.h"

namespace ui {

bool CWinApp::InitInstance() {
  if ((m_dwRestartManagerSupportFlags & kRestartManagerSupportRestart) != 0) {
    windowing_.RegisterApplicationRestart();
  }
  return true;
}

// The program runs its dialogs inside InitInstance and answers false once
// they are closed, so no message loop of the application's own follows.
int CWinApp::Run() {
  InitInstance();
  return 0;
}

}  // namespace ui
