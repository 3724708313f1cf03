# Sourced: starts private Xvfb servers on free display numbers.
# hexmoor_start_display starts one more and exports its DISPLAY;
# hexmoor_stop_display stops exactly the servers started here.
#
# A bare Xvfb has no resource database (a desktop session loads one into the
# RESOURCE_MANAGER property at log-in). Without one, Xlib looks for
# ~/.Xdefaults and ~/.Xdefaults-<host> again on every resource query, and
# Wine's X11 driver queries on every pixmap and font it makes: thousands of
# failed file opens per program start. XENVIRONMENT names a resource file
# that exists and sets nothing, so Xlib reads it once, as on a desktop; it is
# set only for programs on a display started here.
HEXMOOR_XVFB_PIDS=()
HEXMOOR_XVFB_RESOURCES="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/xvfb-resources"
hexmoor_start_display() {
  local n pid
  export XENVIRONMENT="${XENVIRONMENT:-$HEXMOOR_XVFB_RESOURCES}"
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
