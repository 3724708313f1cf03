# Sourced: points Wine at one of the project's private prefixes and makes it
# on first use. Never touches the user's own ~/.wine.
#   source scripts/wine-env.sh test|run
_hexmoor_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$_hexmoor_root/build/prefix-${1:-test}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d;winebrowser.exe=d"
export WINEARCH=win64

hexmoor_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.hexmoor-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Undecorated windows: Wine draws the frame itself, so non-client pixels
    # can be read back and screenshots show the caption.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    # Wine's own fonts (Marlett draws the caption-button glyphs).
    cp -f /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.hexmoor-ready"
  fi
}
