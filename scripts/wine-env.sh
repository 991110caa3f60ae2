# Sourced by the scripts: which Wine runs the Windows builds here, and where.
# The product is 32-bit; where this machine's kernel cannot execute 32-bit
# programs (no IA32 emulation), the Wine tests run a 64-bit build of the same
# sources under the 64-bit Wine instead.
velmar_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINEARCH=win32 VELMAR_WINE=/usr/lib/wine/wine VELMAR_WINE_SERVER=/usr/lib/wine/wineserver
  export VELMAR_WIN_TOOLCHAIN=$velmar_root/cmake/mingw-i686.cmake
else
  export WINEARCH=win64 VELMAR_WINE=/usr/lib/wine/wine64 VELMAR_WINE_SERVER=/usr/lib/wine/wineserver
  export VELMAR_WIN_TOOLCHAIN=$velmar_root/cmake/mingw-x86_64.cmake
fi
export WINEPREFIX=${VELMAR_WINEPREFIX:-$velmar_root/build/wine-$WINEARCH}
export WINEDEBUG=${WINEDEBUG:--all}
# No browser engine is shipped: keep Wine from offering to install one.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine under this locale gives the program the ANSI code page 949.
velmar_wine() { LC_ALL=ko_KR.UTF-8 "$VELMAR_WINE" "$@"; }
