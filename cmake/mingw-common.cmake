set(CMAKE_C_COMPILER ${VELMAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMAR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine, with the ANSI code page 949. The 32-bit loader
# is used for i686 builds, the 64-bit one otherwise; the prefix comes from the
# environment (scripts/wine-env.sh).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(CMAKE_CROSSCOMPILING_EMULATOR env LC_ALL=ko_KR.UTF-8 /usr/lib/wine/wine)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR env LC_ALL=ko_KR.UTF-8 /usr/lib/wine/wine64)
endif()
