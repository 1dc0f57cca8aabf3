# shellcheck shell=bash
# Helpers for the end-to-end scenarios. A scenario sources this file inside scripts/wine-session
# (DISPLAY, WINEPREFIX and VANTREL_FBDIR set), starts the real app, acts on it with the mouse and
# the keyboard as a user would, and judges it only from what the screen shows: the pixels of
# screenshots and the geometry and state of its X window.
#
# Sections: checks and counting; waiting; the app and its window; screenshots and pixels; input;
# the default skin's caption buttons.

set -uo pipefail
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_name=$(basename "$0" .e2e.sh)
E2E_EXE=${E2E_EXE:-$e2e_root/build/win64/src/app/vantrel.exe}
# Arguments for the program (a scenario that runs another program sets them with E2E_EXE).
E2E_ARGS=()
E2E_CAPTION="Dynamic Vantrel Skin Form"
E2E_SKIN=$e2e_root/skins/zozaziz
e2e_shots=$e2e_root/build/screenshots
e2e_tmp=$(mktemp -d)
e2e_shot_file=$e2e_tmp/shot.rgb
e2e_passed=0
e2e_failed=0
APP_PID=
APP_WIN=
mkdir -p "$e2e_shots"
read -r SCREEN_W SCREEN_H < <(xdotool getdisplaygeometry)

e2e_pids=()  # other programs a scenario started
e2e_cleanup() {
  e2e_stop_app
  local pid
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT
trap 'exit 143' TERM INT  # so that the exit handler stops the app

# The main window's designed size: its client area inside the default skin's frame.
E2E_DESIGNED_W=793
E2E_DESIGNED_H=379

e2e_log() { echo "  $e2e_name: $*"; }

# ---- checks and counting ---------------------------------------------------------------------

e2e_pass() { e2e_passed=$((e2e_passed + 1)); echo "ok   $1"; }

# e2e_fail DESCRIPTION [DETAIL...]: counts a failure and prints what was expected and seen.
e2e_fail() {
  e2e_failed=$((e2e_failed + 1))
  echo "FAIL $1"
  shift
  local line
  for line in "$@"; do echo "       $line"; done
}

# e2e_check DESCRIPTION COMMAND...: passes when the command succeeds.
e2e_check() {
  local what=$1
  shift
  if "$@"; then e2e_pass "$what"; else e2e_fail "$what" "failed: $*"; fi
}

# e2e_expect_eq DESCRIPTION EXPECTED SEEN
e2e_expect_eq() {
  if [ "$2" = "$3" ]; then e2e_pass "$1 ($3)"; else
    e2e_fail "$1" "expected: $2" "seen:     $3"
  fi
}

# e2e_expect_color DESCRIPTION "R G B" X Y TOLERANCE: the pixel (X, Y) of the last screenshot is
# within TOLERANCE of the colour in every channel.
e2e_expect_color() {
  local seen
  seen=$(e2e_pixel "$3" "$4")
  if e2e_color_near "$2" "$seen" "$5"; then e2e_pass "$1 (pixel $3,$4 = $seen)"; else
    e2e_fail "$1" "expected: pixel $3,$4 within $5 of $2" "seen:     $seen"
  fi
}

# e2e_finish: prints this scenario's counts; the scenario's exit status says whether all passed.
e2e_finish() {
  echo "$e2e_name: $e2e_passed passed, $e2e_failed failed"
  [ "$e2e_failed" -eq 0 ] && [ "$e2e_passed" -gt 0 ]
  exit $?
}

# e2e_abort REASON: a step the rest of the scenario depends on failed; stop here.
e2e_abort() {
  e2e_fail "$1" "${@:2}"
  e2e_finish
}

# ---- waiting ---------------------------------------------------------------------------------

# Milliseconds since the epoch.
e2e_now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# e2e_wait_until SECONDS COMMAND...: polls the command every 0.1 s until it succeeds; fails
# after SECONDS (a whole number).
e2e_wait_until() {
  local end=$(($(e2e_now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(e2e_now_ms)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# ---- the controls gallery ---------------------------------------------------------------------

# e2e_use_gallery: the scenario runs the controls gallery in the default skin instead of the app.
# The gallery prints each control's screen rectangle and every event to its output
# ($e2e_tmp/app.log).
e2e_use_gallery() {
  E2E_EXE=$e2e_root/build/win64/tools/controls-gallery/controls-gallery.exe
  E2E_CAPTION="Controls gallery"
  E2E_ARGS=(--skin "$(winepath -w "$e2e_root/build/win64/src/app/zozaziz.skn" 2>/dev/null)")
}

# e2e_gallery_rect NAME: prints the gallery control's screen rectangle "left top right bottom".
e2e_gallery_rect() {
  tr -d '\r' <"$e2e_tmp/app.log" | sed -n "s/^$1 [A-Za-z]* //p" | tail -1 | tr ',' ' '
}

# ---- the app and its window ------------------------------------------------------------------

# Prints the id of the app's visible main window, if there is one.
e2e_find_window() {
  xdotool search --onlyvisible --name "^$E2E_CAPTION\$" 2>/dev/null | head -1
}

# e2e_window_hidden: the app's main window is not shown (closed or minimized).
e2e_window_hidden() { [ -z "$(e2e_find_window)" ]; }
e2e_window_shown() { [ -n "$(e2e_find_window)" ]; }

e2e_app_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

# e2e_start_app: starts the app, waits for its window to be shown and painted; aborts the
# scenario when it does not come up within 30 s.
e2e_start_app() {
  # The pointer waits in the screen's corner, where its picture covers none of the window.
  e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
  wine "$E2E_EXE" "${E2E_ARGS[@]}" >"$e2e_tmp/app.log" 2>&1 </dev/null &
  APP_PID=$!
  APP_WIN=
  local end=$((SECONDS + 30))
  while [ $SECONDS -lt $end ]; do
    APP_WIN=$(e2e_find_window)
    [ -n "$APP_WIN" ] && break
    e2e_app_running || e2e_abort "the app starts" "it ended before showing its window"
    sleep 0.1
  done
  [ -n "$APP_WIN" ] || e2e_abort "the app starts" "no window \"$E2E_CAPTION\" within 30 s"
  e2e_wait_painted || e2e_abort "the app paints its window" "the window never settled within 15 s"
}

# e2e_spawn COMMAND...: starts another program, stopped by its id when the scenario ends.
e2e_spawn() {
  "$@" >/dev/null 2>&1 </dev/null &
  e2e_pids+=($!)
}

# e2e_stop_app: ends the app by its process id when it is still running.
e2e_stop_app() {
  [ -n "$APP_PID" ] || return 0
  if kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null
  fi
  wait "$APP_PID" 2>/dev/null
  APP_PID=
}

# e2e_app_ends SECONDS: the app's process is gone within SECONDS.
e2e_app_ends() {
  e2e_wait_until "$1" e2e_app_gone
}
e2e_app_gone() { ! kill -0 "$APP_PID" 2>/dev/null; }

# e2e_geometry [WINDOW]: prints "x y width height" of the window (the app's by default), in
# screen coordinates.
e2e_geometry() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "${1:-$APP_WIN}" 2>/dev/null)" || return 1
  [ -n "${WIDTH:-}" ] || return 1
  echo "$X $Y $WIDTH $HEIGHT"
}

# e2e_geometry_is "X Y W H": the app's window has exactly this geometry.
e2e_geometry_is() { [ "$(e2e_geometry)" = "$1" ]; }

# e2e_wait_geometry "X Y W H" [SECONDS]: waits until the app's window has this geometry.
e2e_wait_geometry() { e2e_wait_until "${2:-5}" e2e_geometry_is "$1"; }

# Prints the work area of the current desktop as "x y width height".
e2e_workarea() {
  xprop -root _NET_WORKAREA | sed -E 's/.*= *//; s/,//g' | awk '{ print $1, $2, $3, $4 }'
}

# Prints where a maximized window belongs: the work area, 1 pixel in on every side when no task
# bar reserves space (the work area is the whole screen).
e2e_maximized_rect() {
  local x y w h
  read -r x y w h <<<"$(e2e_workarea)"
  if [ "$x $y $w $h" = "0 0 $SCREEN_W $SCREEN_H" ]; then
    echo "$((x + 1)) $((y + 1)) $((w - 2)) $((h - 2))"
  else
    echo "$x $y $w $h"
  fi
}

# Prints where the first restore puts the window: its designed size centred in the work area.
e2e_restored_rect() {
  local x y w h
  read -r x y w h <<<"$(e2e_workarea)"
  echo "$((x + w / 2 - E2E_DESIGNED_W / 2)) $((y + h / 2 - E2E_DESIGNED_H / 2)) $E2E_DESIGNED_W $E2E_DESIGNED_H"
}

# Prints the window manager's frame extents of the app's window ("left, right, top, bottom"), or
# "none" when the window manager set none.
e2e_frame_extents() {
  local out
  out=$(xprop -id "$APP_WIN" _NET_FRAME_EXTENTS 2>/dev/null)
  case $out in
    *=*) echo "${out#*= }" ;;
    *) echo none ;;
  esac
}

# e2e_undecorated: the window manager put no frame around the app's window.
e2e_undecorated() {
  case $(e2e_frame_extents) in
    none | "0, 0, 0, 0") return 0 ;;
    *) return 1 ;;
  esac
}

# Prints the ICCCM state of the app's window: Normal, Iconic or Withdrawn.
e2e_wm_state() {
  xprop -id "$APP_WIN" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}

# Prints the ids of every visible window, one a line, sorted.
e2e_visible_windows() {
  xdotool search --onlyvisible --name '' 2>/dev/null | sort
}

# e2e_new_window "IDS": prints the first visible window that is not among IDS (a list as
# e2e_visible_windows prints it); fails when there is none.
e2e_new_window() {
  local id
  id=$(comm -13 <(echo "$1") <(e2e_visible_windows) | head -1)
  [ -n "$id" ] && echo "$id"
}

# e2e_window_gone ID: the window is no longer shown.
e2e_window_gone() { ! e2e_visible_windows | grep -qx "$1"; }

# e2e_menu_item MENU N: prints the screen point in the middle of the N-th item of an open skinned
# menu (counted from 0, no separator before it): items are stacked from the top of the skin's
# item rectangle, each as high as the skin's menu item.
e2e_menu_item() {
  local x y w h l t r b il it ir ib
  read -r x y w h <<<"$(e2e_geometry "$1")"
  IFS=, read -r l t r b <<<"$(e2e_skin_value POPUPWINDOW itemsrect)"
  IFS=, read -r il it ir ib <<<"$(e2e_skin_value menuitem skinrect)"
  echo "$((x + w / 2)) $((y + t + $2 * (ib - it) + (ib - it) / 2))"
}

# e2e_open_system_menu [LEFT]: right-clicks the caption's free part (see e2e_caption_point) and
# prints the id of the menu window that opens; fails when none appears within 3 s.
e2e_open_system_menu() {
  local before
  before=$(e2e_visible_windows)
  e2e_right_click $(e2e_caption_point "${1:-0}")
  e2e_wait_new_window "$before" 3
}

# e2e_wait_new_window "IDS" SECONDS: waits for a visible window that is not among IDS and prints
# its id; fails when none appears in time.
e2e_wait_new_window() {
  local id= end=$(($(e2e_now_ms) + $2 * 1000))
  while [ "$(e2e_now_ms)" -lt "$end" ]; do
    id=$(e2e_new_window "$1") && break
    sleep 0.1
  done
  [ -n "$id" ] && echo "$id"
}

# ---- screenshots and pixels ------------------------------------------------------------------

# e2e_shot [NAME]: captures the screen; with NAME also saves build/screenshots/e2e-NAME.png.
e2e_shot() {
  convert "xwd:$VANTREL_FBDIR/Xvfb_screen0" -depth 8 "rgb:$e2e_shot_file" || return 1
  [ $# -eq 0 ] || e2e_save_shot "$1"
}

e2e_save_shot() {
  local out=$e2e_shots/e2e-$1.png
  convert -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$e2e_shot_file" "$out"
  e2e_log "screenshot $out"
}

# e2e_pixel X Y: prints "R G B" of the last screenshot's pixel at screen point (X, Y).
e2e_pixel() {
  local bytes
  [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$1" -lt "$SCREEN_W" ] && [ "$2" -lt "$SCREEN_H" ] || {
    echo "off-screen"
    return 1
  }
  bytes=$(od -An -tu1 -j $((($2 * SCREEN_W + $1) * 3)) -N3 "$e2e_shot_file")
  echo $bytes
}

# e2e_color_near "R G B" "R G B" TOLERANCE: every channel differs by at most TOLERANCE.
e2e_color_near() {
  local a b i d
  read -ra a <<<"$1"
  read -ra b <<<"$2"
  [ ${#a[@]} -eq 3 ] && [ ${#b[@]} -eq 3 ] || return 1
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    [ ${d#-} -le "$3" ] || return 1
  done
}

# e2e_picture_pixel FILE X Y: prints "R G B" of a pixel of a picture file.
e2e_picture_pixel() {
  local bytes
  bytes=$(convert "$1" -crop "1x1+$2+$3" +repage -depth 8 rgb:- | od -An -tu1)
  echo $bytes
}

# e2e_region X Y W H FILE: saves that rectangle of the last screenshot.
e2e_region() {
  convert -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$e2e_shot_file" \
    -crop "$3x$4+$1+$2" +repage "$5"
}

# e2e_region_is_picture X Y W H FILE PX PY: that rectangle of the last screenshot shows the
# picture's rectangle of that size at (PX, PY), pixel for pixel within a small tolerance.
e2e_region_is_picture() {
  e2e_region "$1" "$2" "$3" "$4" "$e2e_tmp/region.png"
  convert "$5" -crop "$3x$4+$6+$7" +repage "$e2e_tmp/picture.png"
  [ "$(compare -fuzz 2% -metric AE "$e2e_tmp/region.png" "$e2e_tmp/picture.png" null: 2>&1 |
       awk '{ print int($1) }')" -eq 0 ]
}

# e2e_region_sig X Y W H: prints a signature of that rectangle of the last screenshot.
e2e_region_sig() {
  convert -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$e2e_shot_file" \
    -crop "$3x$4+$1+$2" +repage -format '%#' info:
}

# e2e_wait_painted: waits (up to 15 s) until the app's window shows something other than one
# flat colour and looks the same in two screenshots 0.3 s apart.
e2e_wait_painted() {
  local end=$((SECONDS + 15)) geom last='' sig x y w h
  while [ $SECONDS -lt $end ]; do
    geom=$(e2e_geometry) || { sleep 0.2; continue; }
    read -r x y w h <<<"$geom"
    e2e_shot
    sig=$(e2e_region_sig "$x" "$y" "$w" "$h")
    if [ "$sig" = "$last" ] && [ "$(e2e_region_colors "$x" "$y" "$w" "$h")" -gt 1 ]; then
      return 0
    fi
    last=$sig
    sleep 0.3
  done
  return 1
}

# e2e_region_colors X Y W H: prints how many distinct colours that rectangle holds.
e2e_region_colors() {
  convert -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$e2e_shot_file" \
    -crop "$3x$4+$1+$2" +repage -format '%k' info:
}

# ---- input -----------------------------------------------------------------------------------

e2e_move() { xdotool mousemove "$1" "$2"; }
e2e_press() { xdotool mousemove "$1" "$2" mousedown "${3:-1}"; }
e2e_release() { xdotool mousemove "$1" "$2" mouseup "${3:-1}"; }
e2e_click() { xdotool mousemove "$1" "$2" sleep 0.05 click "${3:-1}"; }
e2e_right_click() { e2e_click "$1" "$2" 3; }
e2e_double_click() { xdotool mousemove "$1" "$2" sleep 0.05 click --repeat 2 --delay 80 1; }

# e2e_key KEY...: presses keys (xdotool names: alt+F4, Escape, l) in the focused window.
e2e_key() { xdotool key "$@"; }

# e2e_activate: gives the app's window the focus, as a click on it would.
e2e_activate() { xdotool windowactivate --sync "$APP_WIN" 2>/dev/null; }

# ---- the default skin's caption buttons ------------------------------------------------------

# e2e_skin_value SECTION KEY: prints the value from the default skin's definition.
e2e_skin_value() {
  tr -d '\r' <"$E2E_SKIN/skin.ini" | awk -v s="[$(echo "$1" | tr 'A-Z' 'a-z')]" \
    -v k="$(echo "$2" | tr 'A-Z' 'a-z')" '
    /^\[/ { inside = (tolower($0) == s); next }
    inside { i = index($0, "="); if (i && tolower(substr($0, 1, i - 1)) == k) { print substr($0, i + 1); exit } }'
}

# e2e_caption_point [LEFT]: prints a screen point on the caption's free part: right of the caption
# tabs, left of "Negocio" and the caption buttons (5/8 of the way across, which stays clear of both
# from the designed width up); LEFT pixels further left. (Two presses at one place within the
# double-click time make a double click: a scenario that right-clicks the caption twice in a row
# moves between them, as a user would.)
e2e_caption_point() {
  local x y w h
  read -r x y w h <<<"$(e2e_geometry)"
  echo "$((x + w * 5 / 8 - ${1:-0})) $((y + 14))"
}

# e2e_caption_button N: prints "x y w h", in screen coordinates, of the N-th caption button from
# the right (0 close, 1 maximize, 2 minimize) of the app's window. The skin's buttons flow from
# the caption rectangle's right edge leftwards, each its record's size, spaced by the buttons
# offset; the caption rectangle keeps its distance from the frame picture's right edge.
e2e_caption_buttons=(closebutton maxbutton minbutton)
e2e_caption_button() {
  local i x y w h pic_w l t r b
  read -r x y w h <<<"$(e2e_geometry)"
  pic_w=$(identify -format '%w' "$E2E_SKIN/$(e2e_skin_value PICTURES picture)")
  IFS=, read -r l t r b <<<"$(e2e_skin_value FORMINFO captionrect)"
  local right=$((x + w - (pic_w - r))) gap
  gap=$(e2e_skin_value FORMINFO buttonsoffset)
  local bl bt br bb
  for ((i = 0; i <= $1; i++)); do
    IFS=, read -r bl bt br bb <<<"$(e2e_skin_value "${e2e_caption_buttons[i]}" skinrect)"
    [ "$i" -eq "$1" ] && { echo "$((right - (br - bl))) $((y + t)) $((br - bl)) $((bb - bt))"; return; }
    right=$((right - (br - bl) - gap))
  done
}

# e2e_caption_button_shows N LOOK [MARGIN]: the last screenshot shows the N-th caption button
# (as e2e_caption_button counts) in the look its skin record names LOOK (skinrect, activeskinrect,
# downrect, restorerect...), leaving out MARGIN pixels at its right and bottom, where the pointer
# is drawn when it rests on the button's bottom-right pixel.
e2e_caption_button_shows() {
  local record=${e2e_caption_buttons[$1]} x y w h l t r b picture
  read -r x y w h <<<"$(e2e_caption_button "$1")"
  IFS=, read -r l t r b <<<"$(e2e_skin_value "$record" "$2")"
  picture=$E2E_SKIN/$(e2e_skin_value PICTURES "$(e2e_skin_value "$record" activepictureindex)")
  e2e_region_is_picture "$x" "$y" $((w - ${3:-0})) $((h - ${3:-0})) "$picture" "$l" "$t"
}

# ---- the caption extras: menu button, quick buttons, caption tabs ----------------------------
# Their rectangles are laid out at each paint from caption text widths, so the scenarios find them
# by their pictures: each quick button and tab shows one image of the app's image list
# (src/app/icons/iconN_*.png), found in the caption band of a screenshot by a subimage search.
# The left quick buttons and the tabs lie in the band's left half, "Negocio" and the information
# button in its right half.

E2E_ICONS=$e2e_root/src/app/icons

# e2e_icon_at N X Y W H: prints the screen point "x y" of the top-left corner of image N of the
# app's image list where it shows within that rectangle of the last screenshot; fails when it
# shows nowhere there. The image is matched on the caption's own background colour, taken below
# the caption text.
e2e_icon_at() {
  local icon out score at
  icon=$(echo "$E2E_ICONS/icon$1"_*.png)
  [ -f "$icon" ] || return 1
  e2e_region "$2" "$3" "$4" "$5" "$e2e_tmp/band.png"
  local cx cy
  read -r cx cy <<<"$(e2e_caption_point)"
  convert "$icon" -background "rgb($(e2e_pixel "$cx" $((cy + 11)) | tr ' ' ,))" -flatten "$e2e_tmp/icon.png"
  # Prints "absolute (normalized) @ x,y".
  out=$(compare -metric RMSE -subimage-search "$e2e_tmp/band.png" "$e2e_tmp/icon.png" null: 2>&1)
  score=$(sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' <<<"$out")
  at=$(sed -n 's/.*@ *\([0-9]*\),\([0-9]*\).*/\1 \2/p' <<<"$out")
  [ -n "$score" ] && [ -n "$at" ] && awk -v s="$score" 'BEGIN { exit !(s < 0.08) }' || return 1
  read -r out score <<<"$at"
  echo "$(($2 + out)) $(($3 + score))"
}

# e2e_caption_band LEFT|RIGHT: prints "x y w h" of that half of the app window's caption band,
# tall enough for the tabs standing on the client's top edge.
e2e_caption_band() {
  local x y w h
  read -r x y w h <<<"$(e2e_geometry)"
  case $1 in
    LEFT) echo "$x $y $((w / 2)) 34" ;;
    RIGHT) echo "$((x + w / 2)) $y $((w / 2)) 34" ;;
  esac
}

# The image each quick button shows, by index, and the half of the caption it stands in.
e2e_quick_images=(6 2 7 8 9)
e2e_quick_sides=(RIGHT RIGHT LEFT LEFT LEFT)

# e2e_quick_button N: prints "x y w h", on screen, of quick button N (as the app numbers them:
# 0 information, 1 "Negocio", 2 play, 3 stop, 4 return), from the last screenshot. A button shows
# its 16 x 16 image 2 pixels in from its top and, without a caption, from its left: it is 20 x 20.
# "Negocio" shows its image 3 pixels in and ends 2 pixels before the information button.
e2e_quick_button() {
  local ix iy right
  read -r ix iy <<<"$(e2e_icon_at "${e2e_quick_images[$1]}" $(e2e_caption_band "${e2e_quick_sides[$1]}"))" ||
    return 1
  [ -n "$ix" ] || return 1
  if [ "$1" -eq 1 ]; then
    read -r right _ <<<"$(e2e_quick_button 0)" || return 1
    echo "$((ix - 3)) $((iy - 2)) $((right - 2 - ix + 3)) 20"
  else
    echo "$((ix - 2)) $((iy - 2)) 20 20"
  fi
}

# e2e_quick_point N: prints a point inside quick button N (its image's centre).
e2e_quick_point() {
  local x y w h
  read -r x y w h <<<"$(e2e_quick_button "$1")" && [ -n "$x" ] || return 1
  echo "$((x + w / 2)) $((y + h / 2))"
}

# e2e_quick_edge N: prints the colour of the middle of quick button N's top edge, where a down
# button shows its frame and a button that is up shows the caption.
e2e_quick_edge() {
  local x y w h
  read -r x y w h <<<"$(e2e_quick_button "$1")" && [ -n "$x" ] || return 1
  e2e_pixel $((x + w / 2)) "$y"
}

# e2e_tab_point N: prints a point inside caption tab N (the centre of its image, image N).
e2e_tab_point() {
  local x y
  read -r x y <<<"$(e2e_icon_at "$1" $(e2e_caption_band LEFT))" && [ -n "$x" ] || return 1
  echo "$((x + 8)) $((y + 8))"
}

# e2e_address_sig: prints a signature of the current page's address line: each page's web view,
# unable to load here, shows the address it tried in bold at its top-left.
e2e_address_sig() {
  local x y w h
  read -r x y w h <<<"$(e2e_geometry)"
  e2e_region_sig $((x + 8)) $((y + 36)) $((w / 2)) 26
}

# e2e_address_width: prints the width of the dark text on the current page's address line.
e2e_address_width() {
  local x y w h
  read -r x y w h <<<"$(e2e_geometry)"
  e2e_region $((x + 8)) $((y + 36)) $((w / 2)) 26 "$e2e_tmp/address.png"
  convert "$e2e_tmp/address.png" -colorspace gray -negate -threshold 50% -format '%@' info: |
    sed -E 's/x.*//'
}
