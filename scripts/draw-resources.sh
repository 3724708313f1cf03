#!/usr/bin/env bash
# Redraws the images that the resource script includes. The results are kept
# in the repository so that a build never needs ImageMagick; run this after
# changing a drawing. Uses Debian's ImageMagick (/usr/bin/convert).
set -euo pipefail
cd "$(dirname "$0")/.."
CONVERT=/usr/bin/convert
out=resources/images
mkdir -p "$out"

# Application icon: a dark hexagon with a lighter inner hexagon, at the
# sizes Windows asks for.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48; do
  s=$size
  outer=$(python3 -c "import math;s=$s;r=s/2-0.5;print(' '.join(f'{s/2+r*math.cos(math.radians(60*i+30)):.2f},{s/2+r*math.sin(math.radians(60*i+30)):.2f}' for i in range(6)))")
  inner=$(python3 -c "import math;s=$s;r=s/4;print(' '.join(f'{s/2+r*math.cos(math.radians(60*i+30)):.2f},{s/2+r*math.sin(math.radians(60*i+30)):.2f}' for i in range(6)))")
  "$CONVERT" -size ${s}x${s} xc:none \
    -fill '#2E4057' -draw "polygon $outer" \
    -fill '#E0A458' -draw "polygon $inner" \
    "$tmp/icon-$s.png"
done
"$CONVERT" "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" "$out/hexmoor.ico"
echo "drew $out/hexmoor.ico"

# ---------------------------------------------------------------------------
# Toolbar glyphs. Each glyph is drawn on a 64 x 64 canvas with a transparent
# background, scaled down, and laid on light grey (192,192,192): the main
# toolbar treats that grey as transparent, the panes' toolbars replace it
# with the menu colour. Strips are 24-bit BMPs, one glyph after another.
glyph() { # name -> ImageMagick draw arguments on a 64 x 64 canvas
  case "$1" in
    new)      echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'polygon 14,6 40,6 52,18 52,58 14,58' -fill '#C9D6E3' -draw 'polygon 40,6 40,18 52,18'" ;;
    open)     echo "-stroke '#8A5A00' -strokewidth 4 -fill '#F2C14E' -draw 'polygon 4,16 24,16 28,22 56,22 56,56 4,56' -fill '#F7D98B' -draw 'polygon 10,30 62,30 54,56 4,56'" ;;
    save)     echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#3C6E9F' -draw 'roundrectangle 6,6 58,58 4,4' -fill '#FFFFFF' -draw 'rectangle 16,8 48,28' -fill '#D9D9D9' -draw 'rectangle 18,40 46,58'" ;;
    copy)     echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 6,4 38,44' -fill '#E6F0FA' -draw 'rectangle 24,20 58,60'" ;;
    paste)    echo "-stroke '#6B4226' -strokewidth 4 -fill '#C68B59' -draw 'roundrectangle 8,8 48,60 4,4' -fill '#D9D9D9' -draw 'rectangle 18,4 38,14' -stroke '#33475B' -fill '#FFFFFF' -draw 'rectangle 28,26 58,60'" ;;
    fill)     echo "-stroke '#33475B' -strokewidth 3 -fill '#E74C3C' -draw 'rectangle 6,6 28,28' -fill '#27AE60' -draw 'rectangle 36,6 58,28' -fill '#2980B9' -draw 'rectangle 6,36 28,58' -fill '#F1C40F' -draw 'rectangle 36,36 58,58'" ;;
    refresh)  echo "-stroke '#1E8449' -strokewidth 7 -fill none -draw 'arc 10,10 54,54 -30 240' -stroke none -fill '#1E8449' -draw 'polygon 42,4 60,20 40,28'" ;;
    center)   echo "-stroke '#2C3E50' -strokewidth 5 -fill none -draw 'circle 32,32 32,12' -draw 'line 32,2 32,62' -draw 'line 2,32 62,32'" ;;
    zoomer)   echo "-stroke '#2C3E50' -strokewidth 6 -fill '#D6EAF8' -draw 'circle 26,26 26,8' -strokewidth 10 -draw 'line 40,40 58,58'" ;;
    region)   echo "-stroke '#6C3483' -strokewidth 4 -fill '#D2B4DE' -draw 'polygon 8,20 30,6 56,16 50,52 18,58 6,40'" ;;
    color)    echo "-stroke none -fill '#E74C3C' -draw 'circle 22,24 22,6' -fill '#27AE60' -draw 'circle 42,24 42,6' -fill '#2E86C1' -draw 'circle 32,42 32,24'" ;;
    background) echo "-stroke '#33475B' -strokewidth 4 -fill '#AED6F1' -draw 'rectangle 4,8 60,56' -stroke none -fill '#27AE60' -draw 'polygon 6,54 24,28 38,46 46,36 58,54' -fill '#F4D03F' -draw 'circle 46,20 46,14'" ;;
    showhide) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,6 60,58' -fill '#5D6D7E' -draw 'rectangle 4,6 60,16' -fill '#D5DBDB' -draw 'rectangle 4,16 20,58' -draw 'rectangle 44,16 60,58'" ;;
    about)    echo "-stroke '#1F618D' -strokewidth 4 -fill '#3498DB' -draw 'circle 32,32 32,4' -stroke none -fill '#FFFFFF' -draw 'rectangle 28,26 36,50' -draw 'circle 32,16 32,11'" ;;
    help)     echo "-stroke '#1F618D' -strokewidth 4 -fill '#3498DB' -draw 'circle 32,32 32,4' -stroke '#FFFFFF' -strokewidth 7 -fill none -draw 'arc 22,12 42,32 180 400' -draw 'line 32,32 32,40' -stroke none -fill '#FFFFFF' -draw 'circle 32,50 32,46'" ;;
    copyright) echo "-stroke '#7D6608' -strokewidth 4 -fill '#F9E79F' -draw 'circle 32,32 32,4' -stroke '#7D6608' -strokewidth 6 -fill none -draw 'arc 18,18 46,46 40 320'" ;;
    addfolder) echo "-stroke '#8A5A00' -strokewidth 4 -fill '#F2C14E' -draw 'polygon 4,16 24,16 28,22 50,22 50,54 4,54' -stroke '#1E8449' -strokewidth 7 -draw 'line 50,30 50,60' -draw 'line 35,45 63,45'" ;;
    movedown) echo "-stroke none -fill '#2471A3' -draw 'polygon 22,6 42,6 42,32 56,32 32,58 8,32 22,32'" ;;
    moveup)   echo "-stroke none -fill '#2471A3' -draw 'polygon 22,58 42,58 42,32 56,32 32,6 8,32 22,32'" ;;
    delete)   echo "-stroke '#C0392B' -strokewidth 10 -draw 'line 12,12 52,52' -draw 'line 52,12 12,52'" ;;
    rename)   echo "-stroke '#6E2C00' -strokewidth 4 -fill '#F5B041' -draw 'polygon 10,46 44,12 54,22 20,56 8,58'" ;;
    insertcc) echo "-stroke '#33475B' -strokewidth 4 -fill '#D6EAF8' -draw 'roundrectangle 4,14 46,50 6,6' -stroke '#1E8449' -strokewidth 7 -draw 'line 50,30 50,62' -draw 'line 34,46 63,46'" ;;
    insertud) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'polygon 6,4 32,4 42,14 42,54 6,54' -stroke '#1E8449' -strokewidth 7 -draw 'line 50,30 50,62' -draw 'line 34,46 63,46'" ;;
    state0)   echo "-stroke '#566573' -strokewidth 4 -fill '#D5D8DC' -draw 'roundrectangle 6,14 58,50 6,6'" ;;
    state1)   echo "-stroke '#2E86C1' -strokewidth 4 -fill '#D6EAF8' -draw 'roundrectangle 6,14 58,50 6,6'" ;;
    state2)   echo "-stroke '#1B4F72' -strokewidth 4 -fill '#85C1E9' -draw 'roundrectangle 6,14 58,50 6,6' -stroke none -fill '#1B4F72' -draw 'rectangle 10,18 54,24'" ;;
    state3)   echo "-stroke '#ABB2B9' -strokewidth 4 -fill '#F2F3F4' -draw 'roundrectangle 6,14 58,50 6,6'" ;;
    state4)   echo "-stroke '#566573' -strokewidth 4 -fill '#D5D8DC' -draw 'roundrectangle 6,14 58,50 6,6' -stroke '#000000' -strokewidth 2 -fill none -draw 'stroke-dasharray 4 4 rectangle 14,21 50,43'" ;;
    ok)       echo "-stroke '#1E8449' -strokewidth 10 -fill none -draw 'polyline 8,34 26,52 58,14'" ;;
    # The element trees' add-control commands (menu images).
    t_frame)    echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,6 60,58' -fill '#3C6E9F' -draw 'rectangle 4,6 60,20'" ;;
    t_dialog)   echo "-stroke '#5D6D7E' -strokewidth 4 -fill '#D5D8DC' -draw 'rectangle 4,6 60,58' -fill '#FFFFFF' -draw 'rectangle 40,44 56,54'" ;;
    t_button)   echo "-stroke '#33475B' -strokewidth 4 -fill '#D6DBDF' -draw 'roundrectangle 4,18 60,46 6,6'" ;;
    t_check)    echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 10,10 54,54' -stroke '#1E8449' -strokewidth 8 -fill none -draw 'polyline 16,32 28,46 48,18'" ;;
    t_radio)    echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'circle 32,32 32,8' -stroke none -fill '#1E8449' -draw 'circle 32,32 32,20'" ;;
    t_group)    echo "-stroke '#5D6D7E' -strokewidth 4 -fill none -draw 'rectangle 6,14 58,58' -stroke none -fill '#2E86C1' -draw 'rectangle 12,8 36,20'" ;;
    t_scroll)   echo "-stroke '#33475B' -strokewidth 4 -fill '#EAECEE' -draw 'rectangle 20,4 44,60' -fill '#85929E' -draw 'rectangle 20,22 44,40'" ;;
    t_edit)     echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,16 60,48' -stroke '#000000' -strokewidth 4 -draw 'line 14,22 14,42'" ;;
    t_listbox)  echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 6,4 58,60' -stroke none -fill '#2E86C1' -draw 'rectangle 12,22 52,32' -fill '#85929E' -draw 'rectangle 12,10 52,16' -draw 'rectangle 12,38 52,44'" ;;
    t_combo)    echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,18 60,46' -fill '#D6DBDF' -draw 'rectangle 40,18 60,46' -stroke none -fill '#33475B' -draw 'polygon 44,28 56,28 50,36'" ;;
    t_static)   echo "-stroke '#33475B' -strokewidth 6 -fill none -draw 'line 10,12 54,12' -draw 'line 32,12 32,56'" ;;
    t_tab)      echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,20 60,58' -fill '#AED6F1' -draw 'rectangle 4,8 28,20' -fill '#D6DBDF' -draw 'rectangle 30,10 54,20'" ;;
    t_progress) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,20 60,44' -stroke none -fill '#27AE60' -draw 'rectangle 8,24 40,40'" ;;
    t_spin)     echo "-stroke '#33475B' -strokewidth 4 -fill '#D6DBDF' -draw 'rectangle 16,4 48,60' -draw 'line 16,32 48,32' -stroke none -fill '#33475B' -draw 'polygon 24,24 40,24 32,12' -draw 'polygon 24,40 40,40 32,52'" ;;
    t_slider)   echo "-stroke '#5D6D7E' -strokewidth 6 -draw 'line 4,32 60,32' -stroke '#1F3A5F' -strokewidth 4 -fill '#3C6E9F' -draw 'polygon 24,14 40,14 40,42 32,52 24,42'" ;;
    t_header)   echo "-stroke '#33475B' -strokewidth 4 -fill '#D6DBDF' -draw 'rectangle 4,20 60,40' -draw 'line 24,20 24,40' -draw 'line 44,20 44,40'" ;;
    t_listctrl) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,6 60,58' -stroke none -fill '#2E86C1' -draw 'rectangle 10,12 22,24' -draw 'rectangle 10,38 22,50' -fill '#85929E' -draw 'rectangle 28,16 54,20' -draw 'rectangle 28,42 54,46'" ;;
    t_tree)     echo "-stroke '#33475B' -strokewidth 4 -fill none -draw 'line 14,12 14,50' -draw 'line 14,30 34,30' -draw 'line 14,50 34,50' -stroke none -fill '#2E86C1' -draw 'rectangle 6,4 22,16' -draw 'rectangle 34,24 50,36' -draw 'rectangle 34,44 50,56'" ;;
    t_toolbar)  echo "-stroke '#33475B' -strokewidth 4 -fill '#D6DBDF' -draw 'rectangle 4,18 60,46' -stroke none -fill '#E74C3C' -draw 'rectangle 10,24 22,40' -fill '#27AE60' -draw 'rectangle 26,24 38,40' -fill '#2E86C1' -draw 'rectangle 42,24 54,40'" ;;
    t_status)   echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,6 60,58' -fill '#D6DBDF' -draw 'rectangle 4,44 60,58' -draw 'line 40,44 40,58'" ;;
    t_region)   echo "-stroke '#6C3483' -strokewidth 4 -fill '#D2B4DE' -draw 'ellipse 32,32 28,20 0,360' -fill '#6C3483' -draw 'rectangle 14,20 50,28'" ;;
    t_checkbtn) echo "-stroke '#33475B' -strokewidth 4 -fill '#AED6F1' -draw 'roundrectangle 4,14 60,50 6,6' -stroke '#1E8449' -strokewidth 7 -fill none -draw 'polyline 18,32 28,42 46,22'" ;;
    # Element icons of the trees (besides the t_* glyphs above).
    e_root)     echo "-stroke '#2E4057' -strokewidth 4 -fill '#E0A458' -draw 'rectangle 4,4 40,40' -fill '#AED6F1' -draw 'rectangle 24,24 60,60'" ;;
    e_folder)   echo "-stroke '#8A5A00' -strokewidth 4 -fill '#F2C14E' -draw 'polygon 4,12 24,12 30,20 60,20 60,56 4,56'" ;;
    e_sides)    echo "-stroke '#1F3A5F' -strokewidth 10 -fill none -draw 'rectangle 8,8 56,56'" ;;
    e_top)      echo "-stroke '#85929E' -strokewidth 3 -fill none -draw 'rectangle 6,6 58,58' -stroke none -fill '#3C6E9F' -draw 'rectangle 4,4 60,20'" ;;
    e_bottom)   echo "-stroke '#85929E' -strokewidth 3 -fill none -draw 'rectangle 6,6 58,58' -stroke none -fill '#3C6E9F' -draw 'rectangle 4,44 60,60'" ;;
    e_left)     echo "-stroke '#85929E' -strokewidth 3 -fill none -draw 'rectangle 6,6 58,58' -stroke none -fill '#3C6E9F' -draw 'rectangle 4,4 20,60'" ;;
    e_right)    echo "-stroke '#85929E' -strokewidth 3 -fill none -draw 'rectangle 6,6 58,58' -stroke none -fill '#3C6E9F' -draw 'rectangle 44,4 60,60'" ;;
    e_captbtns) echo "-stroke '#1F3A5F' -strokewidth 3 -fill '#D6DBDF' -draw 'rectangle 2,22 20,40' -draw 'rectangle 23,22 41,40' -fill '#E74C3C' -draw 'rectangle 44,22 62,40'" ;;
    e_close)    echo "-stroke '#922B21' -strokewidth 4 -fill '#E74C3C' -draw 'roundrectangle 6,6 58,58 8,8' -stroke '#FFFFFF' -strokewidth 8 -draw 'line 20,20 44,44' -draw 'line 44,20 20,44'" ;;
    e_max)      echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#D6DBDF' -draw 'roundrectangle 6,6 58,58 8,8' -stroke '#1F3A5F' -strokewidth 5 -fill none -draw 'rectangle 18,18 46,46' -draw 'line 18,22 46,22'" ;;
    e_min)      echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#D6DBDF' -draw 'roundrectangle 6,6 58,58 8,8' -stroke '#1F3A5F' -strokewidth 7 -draw 'line 18,44 46,44'" ;;
    e_restore)  echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#D6DBDF' -draw 'roundrectangle 6,6 58,58 8,8' -strokewidth 4 -fill none -draw 'rectangle 26,16 48,38' -fill '#D6DBDF' -draw 'rectangle 16,26 38,48'" ;;
    e_help)     echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#D6DBDF' -draw 'roundrectangle 6,6 58,58 8,8' -stroke '#1F3A5F' -strokewidth 6 -fill none -draw 'arc 22,14 42,34 180 400' -draw 'line 32,34 32,40' -stroke none -fill '#1F3A5F' -draw 'circle 32,49 32,45'" ;;
    e_menubar)  echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,18 60,42' -stroke none -fill '#33475B' -draw 'rectangle 10,27 22,33' -draw 'rectangle 28,27 40,33' -draw 'rectangle 46,27 54,33'" ;;
    e_minframe) echo "-stroke '#1F3A5F' -strokewidth 4 -fill '#3C6E9F' -draw 'rectangle 4,38 60,58' -fill '#FFFFFF' -draw 'rectangle 42,42 54,54'" ;;
    e_grip)     echo "-stroke none -fill '#5D6D7E' -draw 'rectangle 46,46 56,56' -draw 'rectangle 30,46 40,56' -draw 'rectangle 46,30 56,40' -draw 'rectangle 14,46 24,56' -draw 'rectangle 30,30 40,40' -draw 'rectangle 46,14 56,24'" ;;
    e_splitter) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,6 26,58' -draw 'rectangle 38,6 60,58' -stroke none -fill '#85929E' -draw 'rectangle 28,6 36,58'" ;;
    e_tooltip)  echo "-stroke '#7D6608' -strokewidth 4 -fill '#F9E79F' -draw 'polygon 4,8 60,8 60,44 28,44 16,58 18,44 4,44'" ;;
    e_menu)     echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 10,4 54,60' -stroke none -fill '#2E86C1' -draw 'rectangle 14,22 50,32' -fill '#85929E' -draw 'rectangle 18,12 46,16' -draw 'rectangle 18,40 46,44' -draw 'rectangle 18,50 46,54'" ;;
    e_calendar) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,8 60,58' -fill '#E74C3C' -draw 'rectangle 4,8 60,20' -stroke none -fill '#85929E' -draw 'rectangle 12,28 20,34' -draw 'rectangle 28,28 36,34' -draw 'rectangle 44,28 52,34' -draw 'rectangle 12,44 20,50' -fill '#2E86C1' -draw 'rectangle 28,44 36,50'" ;;
    e_datetime) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'rectangle 4,18 60,46' -fill '#D6DBDF' -draw 'rectangle 40,18 60,46' -stroke none -fill '#E74C3C' -draw 'rectangle 42,20 58,26' -fill '#33475B' -draw 'rectangle 10,29 34,35'" ;;
    e_userdata) echo "-stroke '#33475B' -strokewidth 4 -fill '#FFFFFF' -draw 'polygon 10,4 40,4 54,18 54,60 10,60' -stroke none -fill '#85929E' -draw 'rectangle 18,26 46,30' -draw 'rectangle 18,36 46,40' -draw 'rectangle 18,46 38,50'" ;;
    e_inner)    echo "-stroke '#85929E' -strokewidth 3 -fill none -draw 'rectangle 4,4 60,60' -stroke '#33475B' -strokewidth 4 -fill '#EAECEE' -draw 'rectangle 4,40 60,58' -fill '#85929E' -draw 'rectangle 22,40 40,58'" ;;
    # Colour-adjustment marks: taken in (a colour wheel), left out (an empty
    # ring), locked (a padlock).
    k_in)       echo "-stroke none -fill '#E74C3C' -draw 'circle 22,24 22,8' -fill '#27AE60' -draw 'circle 42,24 42,8' -fill '#2E86C1' -draw 'circle 32,42 32,26'" ;;
    k_out)      echo "-stroke '#85929E' -strokewidth 6 -fill none -draw 'circle 32,32 32,10'" ;;
    k_locked)   echo "-stroke '#7D6608' -strokewidth 7 -fill none -draw 'arc 18,6 46,38 180 360' -draw 'line 18,22 18,30' -draw 'line 46,22 46,30' -stroke '#7D6608' -strokewidth 4 -fill '#F4D03F' -draw 'rectangle 10,28 54,60' -stroke none -fill '#7D6608' -draw 'rectangle 29,38 35,52'" ;;
    cancel)   echo "-stroke '#C0392B' -strokewidth 10 -draw 'line 12,12 52,52' -draw 'line 52,12 12,52'" ;;
  esac
}

# strip out-file size variant glyph... ; variant: cold, hot, disabled, or
# masked or masked_disabled (alpha cut at half, laid on magenta 0xFF00FF: the trees' images, added
# with that colour as their mask, so no edge blends into it); a glyph name
# ending in ":rot" is turned a quarter clockwise.
strip() {
  local outfile=$1 size=$2 variant=$3; shift 3
  local parts=() i=0 background="#C0C0C0"
  [ "${variant#masked}" != "$variant" ] && background="#FF00FF"
  for g in "$@"; do
    local args; args=$(glyph "${g%:rot}")
    eval "\"$CONVERT\" -size 64x64 xc:none $args \"$tmp/g.png\""
    [ "${g%:rot}" != "$g" ] && "$CONVERT" "$tmp/g.png" -rotate 90 "$tmp/g.png"
    case "$variant" in
      hot)      "$CONVERT" "$tmp/g.png" -modulate 115,130 "$tmp/g.png" ;;
      disabled|masked_disabled) "$CONVERT" "$tmp/g.png" -colorspace Gray -level 0%,140% -channel A -evaluate multiply 0.6 +channel "$tmp/g.png" ;;
    esac
    "$CONVERT" "$tmp/g.png" -resize ${size}x${size} "$tmp/p$i.png"
    [ "$background" = "#FF00FF" ] && "$CONVERT" "$tmp/p$i.png" -colorspace sRGB -channel A -threshold 50% +channel "$tmp/p$i.png"
    parts+=("$tmp/p$i.png"); i=$((i + 1))
  done
  "$CONVERT" "${parts[@]}" -colorspace sRGB +append -background "$background" -alpha remove -alpha off -type TrueColor "BMP3:$out/$outfile"
  echo "drew $out/$outfile"
}

main_glyphs=(new open save copy paste fill refresh center zoomer region color background showhide about help copyright)
strip toolbar_cold.bmp 16 cold "${main_glyphs[@]}"
strip toolbar_hot.bmp 16 hot "${main_glyphs[@]}"
strip toolbar_disabled.bmp 16 disabled "${main_glyphs[@]}"
strip toolbar_large_cold.bmp 24 cold "${main_glyphs[@]}"
strip toolbar_large_hot.bmp 24 hot "${main_glyphs[@]}"
strip toolbar_large_disabled.bmp 24 disabled "${main_glyphs[@]}"
pane_glyphs=(addfolder movedown moveup copy delete rename insertcc insertud)
strip pane_toolbar.bmp 21 cold "${pane_glyphs[@]}"
strip pane_toolbar_hot.bmp 21 hot "${pane_glyphs[@]}"
strip state_bar.bmp 20 cold state0 state1 state2 state3 state4
strip state_bar_hot.bmp 20 hot state0 state1 state2 state3 state4
strip state_bar_disabled.bmp 20 disabled state0 state1 state2 state3 state4
strip item_name_toolbar.bmp 20 cold ok cancel
# The element trees' commands 32821-32841 and 32901, in that order.
tree_glyphs=(t_frame t_dialog t_button t_check t_radio t_group t_scroll t_edit t_listbox t_combo t_static t_tab
             t_progress t_spin t_slider t_header t_listctrl t_tree t_toolbar t_status t_region t_checkbtn)
strip tree_commands.bmp 16 cold "${tree_glyphs[@]}"

# The element trees' icons, 16 x 16 on magenta, by icon number 0-52 (50 is
# not used; 51 and 52 are the scroll bars inside windows).
element_glyphs=(e_root e_folder t_frame e_sides e_top e_bottom e_left e_right e_captbtns e_close
                e_max e_min e_restore e_help e_menubar e_minframe t_dialog t_button t_check t_radio
                t_group t_scroll t_scroll:rot t_scroll e_grip t_edit t_listbox t_combo t_static t_tab
                t_tab:rot t_progress t_progress:rot t_spin t_spin:rot t_slider t_slider:rot e_splitter t_header t_listctrl
                t_tree t_toolbar e_tooltip t_status e_menu e_root e_calendar e_datetime t_checkbtn e_userdata
                e_root e_inner e_inner:rot)
strip element_icons.bmp 16 masked "${element_glyphs[@]}"
# The colour-adjustment marks by state (0 taken in, 1 left out, 2 locked),
# and the same marks greyed while an adjustment of one control runs.
strip adjust_marks.bmp 16 masked k_in k_out k_locked
strip adjust_marks_running.bmp 16 masked_disabled k_in k_out k_locked

# ---------------------------------------------------------------------------
# Start dialog and about box: a dark background with the hexagon mark and
# the name, and text buttons in three states (normal, pressed, hot).
font=DejaVu-Sans
fontb=DejaVu-Sans-Bold
hexagon() { # cx cy r
  python3 -c "import math;cx,cy,r=$1,$2,$3;print(' '.join(f'{cx+r*math.cos(math.radians(60*i+30)):.1f},{cy+r*math.sin(math.radians(60*i+30)):.1f}' for i in range(6)))"
}
"$CONVERT" -size 592x276 gradient:'#2E4057-#11161F' \
  -fill '#E0A458' -draw "polygon $(hexagon 70 80 46)" \
  -fill '#2E4057' -draw "polygon $(hexagon 70 80 23)" \
  -font "$fontb" -pointsize 44 -fill '#F4F1EA' -annotate +136+98 'Hexmoor' \
  -font "$font" -pointsize 15 -fill '#C9D1DB' -annotate +138+128 'Skin editor for the Tarnwick skinning runtime' \
  -alpha off -type TrueColor "BMP3:$out/start_background.bmp"
echo "drew $out/start_background.bmp"
"$CONVERT" -size 442x208 gradient:'#2E4057-#11161F' \
  -fill '#E0A458' -draw "polygon $(hexagon 56 60 36)" \
  -fill '#2E4057' -draw "polygon $(hexagon 56 60 18)" \
  -font "$fontb" -pointsize 32 -fill '#F4F1EA' -annotate +110+74 'Hexmoor' \
  -alpha off -type TrueColor "BMP3:$out/about_background.bmp"
echo "drew $out/about_background.bmp"

button() { # file width height label state
  local fill=#3A506B stroke=#E0A458 text=#F4F1EA
  case "$5" in
    hot) fill=#4B6A8C ;;
    pressed) fill=#1C2A3A; text=#E0A458 ;;
  esac
  "$CONVERT" -size "$2x$3" xc:"$fill" -fill none -stroke "$stroke" -strokewidth 2 \
    -draw "rectangle 1,1 $(($2 - 2)),$(($3 - 2))" -stroke none \
    -font "$font" -pointsize 13 -fill "$text" -gravity center -annotate +0+0 "$4" \
    -alpha off -type TrueColor "BMP3:$out/$1"
  echo "drew $out/$1"
}
for state in normal pressed hot; do
  suffix=""; [ "$state" != normal ] && suffix="_$state"
  button "start_open$suffix.bmp" 128 40 'Open Skin' $state
  button "start_open_last$suffix.bmp" 128 40 'Open Last Skin' $state
  button "start_new$suffix.bmp" 128 40 'Create New Skin' $state
  button "start_import$suffix.bmp" 128 40 'Import MSStyle' $state
  button "start_close$suffix.bmp" 20 18 'x' $state
  button "about_ok$suffix.bmp" 64 24 'OK' $state
done

# The region editor's colour picker: an eyedropper on button face, 22 x 22.
"$CONVERT" -size 22x22 xc:'#D4D0C8' \
  -stroke '#202020' -strokewidth 2 -draw "line 5,17 14,8" \
  -fill '#404040' -stroke none -draw "polygon 13,5 17,9 15,11 11,7" \
  -fill '#2060C0' -draw "polygon 4,18 6,16 7,17 5,19" \
  -alpha off -type TrueColor "BMP3:$out/color_picker.bmp"
echo "drew $out/color_picker.bmp"

# The Zoomer pane's strips and cursor are drawn pixel by pixel.
python3 scripts/draw-zoomer-images.py "$out"

# The live preview's sample images and the strips' fallback pictures.
python3 scripts/draw-preview-images.py "$out"
