#!/usr/bin/env bash
# The close button lights up under the mouse and looks pressed while held; a press released away
# from it does nothing, a click on it ends the app.
. "$(dirname "$0")/lib.sh"

e2e_start_app
read -r bx by bw bh <<<"$(e2e_caption_button 0)"
# The pointer rests on the button's bottom-right pixel, so the cursor the screenshots show stays
# out of the part compared.
px=$((bx + bw - 1))
py=$((by + bh - 1))
look() { e2e_shot && e2e_region "$bx" "$by" $((bw - 1)) $((bh - 1)) "$e2e_tmp/$1.png"; }
differs() { [ "$(e2e_region_diff "$e2e_tmp/$1.png" "$e2e_tmp/$2.png")" -gt $((bw * bh / 10)) ]; }
looks_unlike() { look "$1" && differs "$1" "$2"; }
looks_like() { look "$1" && [ "$(e2e_region_diff "$e2e_tmp/$1.png" "$e2e_tmp/$2.png")" -eq 0 ]; }

e2e_move $((bx - 200)) $((by + 300))
sleep 0.5
look normal
e2e_move "$px" "$py"
e2e_check "the close button changes under the mouse" e2e_wait_until 3 looks_unlike hot normal
sleep 0.5  # the look morphs; compare the settled one
look hot
e2e_shot close-hot
xdotool mousedown 1
e2e_check "the pressed close button looks unlike the hot one" e2e_wait_until 3 looks_unlike down hot
e2e_check "the pressed close button looks unlike the normal one" differs down normal
e2e_shot close-pressed
# Dragged off the button and released away from it: no click.
e2e_move $((bx - 300)) $((by + 300))
sleep 0.3
xdotool mouseup 1
sleep 1.5
e2e_check "a press released away from the button leaves the app running" e2e_app_running
e2e_check "its window is still shown" test -n "$(e2e_find_window)"
e2e_wait_until 3 looks_like after normal
e2e_expect_eq "pixels of the close button unlike its normal look once the mouse left" 0 \
  "$(e2e_region_diff "$e2e_tmp/after.png" "$e2e_tmp/normal.png")"

e2e_click "$px" "$py"
e2e_check "a click on the close button ends the app within 5 s" e2e_app_ends 5
e2e_finish
