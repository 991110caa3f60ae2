#!/usr/bin/env bash
# Every test: native unit, service and integration tests under ASan+UBSan,
# then the Windows build (the 32-bit product, and the build Wine runs here)
# with its tests under Wine against the reference service.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"
jobs=$(nproc)

echo "== native build and tests (ASan + UBSan)"
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON >/dev/null
cmake --build "$root/build/native" -j"$jobs"
ctest --test-dir "$root/build/native" --output-on-failure

echo "== 32-bit Windows product build"
cmake -S "$root" -B "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
# Where 32-bit programs cannot run, the tests are built for 64 bits below, so
# only the product (with its record-size checks) is built for 32.
win32_targets=()
[[ $WINEARCH == win64 ]] && win32_targets=(--target velmarVPN)
cmake --build "$root/build/win32" -j"$jobs" "${win32_targets[@]}"

wine_build=$root/build/win32
if [[ $WINEARCH == win64 ]]; then
  echo "== 64-bit Windows build for the Wine tests (this kernel runs no 32-bit programs)"
  wine_build=$root/build/win64
  cmake -S "$root" -B "$wine_build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$VELMAR_WIN_TOOLCHAIN" >/dev/null
  cmake --build "$wine_build" -j"$jobs"
fi

echo "== Windows tests under Wine ($WINEARCH) against velmar-service"
source "$root/scripts/service.sh"
start_service "$root/build/native" "$root/build/wine-service.log"
trap stop_service EXIT
export VELMAR_TEST_SERVICE=127.0.0.1:$VELMAR_SERVICE_PORT
# Dialogs need a display: a virtual one, and the pictures of each dialog are
# kept in build/gallery for a person to look at.
Xvfb :93 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'stop_service; kill $xvfb_pid 2>/dev/null' EXIT
export DISPLAY=:93 VELMAR_GALLERY_DIR=$root/build/gallery
mkdir -p "$VELMAR_GALLERY_DIR"
sleep 1
ctest --test-dir "$wine_build" --output-on-failure
# The pictures as PNG too, for viewers that take no BMP.
for picture in "$VELMAR_GALLERY_DIR"/*.bmp; do
  [[ -e $picture ]] && convert "$picture" "${picture%.bmp}.png"
done
echo "pictures of the dialogs: $VELMAR_GALLERY_DIR"
