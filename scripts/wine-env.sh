# Sourced: points Wine at one of the project's private prefixes and makes it
# on first use. Never touches the user's own ~/.wine.
#   source scripts/wine-env.sh test|run
_hexmoor_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HEXMOOR_PREFIX_KIND=${1:-test}
export WINEPREFIX="$_hexmoor_root/build/prefix-$HEXMOOR_PREFIX_KIND"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d;winebrowser.exe=d"
export WINEARCH=win64

hexmoor_prepare_prefix() {
  # The marker names the set-up's revision: a prefix made by an older one is
  # set up again.
  if [ ! -f "$WINEPREFIX/.hexmoor-ready-2" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Undecorated windows: Wine draws the frame itself, so non-client pixels
    # can be read back and screenshots show the caption.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    # Wine's own fonts (Marlett draws the caption-button glyphs).
    cp -f /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    if [ "$HEXMOOR_PREFIX_KIND" = test ]; then
      # Tests: windows the window manager does not handle. Xvfb has no window
      # manager, and Wine otherwise waits two seconds for one on every hide.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$WINEPREFIX/.hexmoor-ready-2"
  fi
}
