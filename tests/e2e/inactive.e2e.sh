#!/usr/bin/env bash
# When another window is activated the frame takes the skin's inactive look (grey), and the
# active look returns when the app is activated again.
. "$(dirname "$0")/lib.sh"

e2e_start_app
read -r x y w h <<<"$(e2e_geometry)"
# The frame's top edge and the caption's bottom line, bluish grey in the skin's active picture,
# away from the caption point the scenario clicks.
points=("$((x + w / 3)) $y" "$((x + w * 2 / 3)) $((y + 28))")
active=()
for p in "${points[@]}"; do active+=("$(e2e_pixel $p)"); done

grey() {
  local r g b
  read -r r g b <<<"$1"
  e2e_color_near "$r $r $r" "$r $g $b" 4
}
look_is() {  # active|inactive: every sampled point shows that look
  local i seen
  e2e_shot || return 1
  for i in "${!points[@]}"; do
    seen=$(e2e_pixel ${points[i]})
    if [ "$1" = active ]; then
      [ "$seen" = "${active[i]}" ] || return 1
    else
      [ "$seen" != "${active[i]}" ] && grey "$seen" || return 1
    fi
  done
}
coloured() { ! grey "$1"; }
for i in "${!points[@]}"; do
  e2e_check "the active frame is coloured at ${points[i]} (${active[i]})" coloured "${active[i]}"
done

before=$(e2e_visible_windows)
e2e_spawn wine notepad
other=
e2e_wait_until 20 eval 'other=$(e2e_new_window "$before")' || e2e_abort "another program shows its window"
# Out of the way of the sampled caption pixels.
xdotool windowmove "$other" 700 600 2>/dev/null
e2e_check "the frame turns grey once another window is active" e2e_wait_until 5 look_is inactive
for p in "${points[@]}"; do e2e_log "inactive at $p: $(e2e_pixel $p)"; done
e2e_shot inactive

e2e_click $(e2e_caption_point)
e2e_check "the active look returns when the app is activated again" e2e_wait_until 5 look_is active
e2e_finish
