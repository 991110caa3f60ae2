// The Windows API headers, the way every file of the program includes them.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max, not the headers' macros
#endif
#include <windows.h>

// The headers map these names to their ...A/...W forms with macros, which
// would rename the ports' and the dialog layer's members of the same names
// (Kernel::GetComputerName, CWnd::MessageBox and the others) in every file
// that sees both. The calls are made by their ANSI names instead.
#undef DefWindowProc
#undef GetComputerName
#undef GetCurrentDirectory
#undef GetDlgItemText
#undef GetModuleFileName
#undef GetWindowText
#undef IsDialogMessage
#undef LoadBitmap
#undef LoadString
#undef MessageBox
#undef PostMessage
#undef SetDlgItemText
#undef SetWindowText
