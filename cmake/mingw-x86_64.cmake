# 64-bit Windows build of the same sources. It exists for hosts whose kernel
# cannot execute 32-bit programs, where only a 64-bit Wine runs: the Wine
# tests then run this build. The shipped product is the i686 build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMAR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
