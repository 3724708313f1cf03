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

# hexmoor_clone_prefix DEST: makes DEST a private copy of the prepared
# $WINEPREFIX, or leaves it when it already copies this revision of it.
# Program files (DLLs, executables, national language tables) are hard links,
# since nothing writes them; everything else (the registry, ini files) is a
# real copy.
hexmoor_clone_prefix() {
  local dest=$1 source_id inf=/usr/share/wine/wine.inf stamp=
  # Wine brings a prefix up to date (rewriting its DLLs in place) when the
  # installed Wine changed, which its timestamp file tells ("disable" turns
  # that off); do that here, before any clone shares the files.
  [ -f "$WINEPREFIX/.update-timestamp" ] && read -r stamp <"$WINEPREFIX/.update-timestamp"
  stamp=${stamp%$'\r'}
  if [ -f "$inf" ] && [[ "$stamp" =~ ^[0-9]*$ ]] && [ "$stamp" != "$(stat -c %Y "$inf")" ]; then
    wineboot -u >/dev/null 2>&1 || true
    wineserver -w
  fi
  source_id=$(cd "$WINEPREFIX" && ls -d .hexmoor-ready-* && cat .update-timestamp)
  if [ -f "$dest/.hexmoor-clone" ] && [ "$(cat "$dest/.hexmoor-clone")" = "$source_id" ]; then
    return 0
  fi
  # A server still running for the old copy (left by a run that was killed)
  # would outlive its folder: stop it first.
  if [ -s "$dest/wineserver" ]; then WINEPREFIX=$dest wineserver -k >/dev/null 2>&1 || true; fi
  rm -rf "$dest"
  cp -al "$WINEPREFIX" "$dest"
  (cd "$WINEPREFIX" && find . -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' \
      -o -iname '*.nls' -o -iname '*.ocx' -o -iname '*.acm' -o -iname '*.cpl' -o -iname '*.tlb' \) -print0 |
    xargs -0 -r cp -a --parents --remove-destination -t "$dest")
  rm -f "$dest/wineserver"
  printf '%s\n' "$source_id" >"$dest/.hexmoor-clone"
}
