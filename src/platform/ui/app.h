// The application object: the program's start-up runs in InitInstance.
#pragma once

#include "platform/ui/cwnd.h"

namespace ui {

inline constexpr unsigned kRestartManagerSupportRestart = 0x1;

class CWinApp {
 public:
  explicit CWinApp(Windowing& windowing) : windowing_(windowing) {}
  virtual ~CWinApp() = default;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The framework's own start-up: registration with the restart manager when
  // the flags ask for it. True when the program goes on.
  virtual bool InitInstance();
  // Runs InitInstance and returns the program's exit code.
  int Run();

  Windowing& windowing() const { return windowing_; }

  CWnd* m_pMainWnd = nullptr;
  unsigned m_dwRestartManagerSupportFlags = 0;

 private:
  Windowing& windowing_;
};

}  // namespace ui
