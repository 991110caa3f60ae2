// The Windows API headers, the way every file of the program includes them.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max, not the headers' macros
#endif
#include <windows.h>

// The headers map these names to their ...A/...W forms with macros, which
// would rename the ports' members of the same names (Kernel::GetComputerName
// and the others) in every file that sees both. The calls are made by their
// ANSI names instead.
#undef GetComputerName
#undef GetCurrentDirectory
#undef GetModuleFileName
