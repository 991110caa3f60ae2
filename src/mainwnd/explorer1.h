// One web panel of the main dialog: the browser control its template places.
#pragma once

#include <string>

#include "platform/ui/cwnd.h"

class CExplorer1 : public ui::CWnd {
 public:
  using ui::CWnd::CWnd;

  // Asks the panel to load `url` and returns at once; the page loads by
  // itself, and what becomes of it is the browser's affair.
  void Navigate(const std::string& url) { windowing().NavigateWebPanel(GetSafeHwnd(), url); }
};
