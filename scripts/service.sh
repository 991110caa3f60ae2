# Sourced: starts and stops the reference service for the scripts.
# start_service BUILD_DIR LOG [PORT]: sets VELMAR_SERVICE_PORT and _PID.
start_service() {
  local build=$1 log=$2 port=${3:-0}
  local out
  out=$(mktemp)
  "$build/service/velmar-service" --port "$port" --seed "$velmar_root/service/seed/demo.seed" \
    --log "$log" >"$out" 2>&1 &
  VELMAR_SERVICE_PID=$!
  for _ in $(seq 100); do
    if grep -q "listening on" "$out"; then break; fi
    sleep 0.1
  done
  VELMAR_SERVICE_PORT=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$out" | head -1)
  rm -f "$out"
  if [[ -z $VELMAR_SERVICE_PORT ]]; then
    echo "velmar-service did not start" >&2
    return 1
  fi
}

stop_service() {
  [[ -n ${VELMAR_SERVICE_PID:-} ]] && kill "$VELMAR_SERVICE_PID" 2>/dev/null && wait "$VELMAR_SERVICE_PID" 2>/dev/null
  VELMAR_SERVICE_PID=
}
