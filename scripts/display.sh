# Sourced: starts private Xvfb servers on free display numbers.
# hexmoor_start_display starts one more and exports its DISPLAY;
# hexmoor_stop_display stops exactly the servers started here.
HEXMOOR_XVFB_PIDS=()
hexmoor_start_display() {
  local n pid
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 50); do
      # The socket counts only while our server lives: another one may have
      # taken the number first.
      if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
        HEXMOOR_XVFB_PIDS+=("$pid")
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  echo "could not start Xvfb" >&2
  return 1
}
hexmoor_stop_display() {
  local pid
  for pid in "${HEXMOOR_XVFB_PIDS[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  HEXMOOR_XVFB_PIDS=()
}
