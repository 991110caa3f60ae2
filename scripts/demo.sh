#!/usr/bin/env bash
# The demo: the reference service with its demo seed, and the client's own
# Windows transport under Wine logging in against it (right and wrong
# password), fetching the contract list, reporting and logging out. Prints
# what the client got and what the service received.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"
jobs=$(nproc)

cmake -S "$root" -B "$root/build/demo-native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/demo-native" -j"$jobs" --target velmar-service
cmake -S "$root" -B "$root/build/demo-win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$VELMAR_WIN_TOOLCHAIN" -DVELMAR_API_HOST=127.0.0.1:18431 >/dev/null
cmake --build "$root/build/demo-win" -j"$jobs" --target velmar-demo-client

source "$root/scripts/service.sh"
log=$root/build/demo-service.log
: >"$log"
start_service "$root/build/demo-native" "$log" 18431
trap stop_service EXIT

echo "== the client, under Wine ($WINEARCH), against velmar-service on 127.0.0.1:18431"
velmar_wine "$root/build/demo-win/tools/demo_client/velmar-demo-client.exe" demo demo1234 wrong-password
echo
echo "== what the service received (path, raw query, decoded keys)"
cat "$log"
