# Sourced: starts a private Xvfb on a free display number and exports
# DISPLAY; hexmoor_stop_display stops exactly that server.
hexmoor_start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    HEXMOOR_XVFB_PID=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$HEXMOOR_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}
hexmoor_stop_display() {
  [ -n "${HEXMOOR_XVFB_PID:-}" ] && kill "$HEXMOOR_XVFB_PID" 2>/dev/null && wait "$HEXMOOR_XVFB_PID" 2>/dev/null
  HEXMOOR_XVFB_PID=
}
