#!/usr/bin/env bash
# The close button shows the skin's hot look under the mouse and its pressed look while held; a
# press released away from it does nothing, a click on it ends the app.
. "$(dirname "$0")/lib.sh"

e2e_start_app
read -r bx by bw bh <<<"$(e2e_caption_button 0)"
# The pointer rests on the button's bottom-right pixel; the cursor drawn there covers the last
# 3 columns and rows, which the comparisons leave out.
px=$((bx + bw - 1))
py=$((by + bh - 1))
shows() { e2e_shot && e2e_caption_button_shows 0 "$@"; }

e2e_check "the close button shows its normal look" shows skinrect
e2e_move "$px" "$py"
e2e_check "under the mouse it shows its hot look" e2e_wait_until 3 shows activeskinrect 3
e2e_shot close-hot
e2e_press "$px" "$py"
e2e_check "pressed it shows its pressed look" e2e_wait_until 3 shows downrect 3
e2e_shot close-pressed
# Dragged off the button and released away from it: no click.
e2e_move $((bx - 300)) $((by + 300))
e2e_check "dragged off while pressed it shows its normal look" e2e_wait_until 3 shows skinrect
e2e_release $((bx - 300)) $((by + 300))
sleep 1.5  # what must not happen gets the time a close takes (under 1 s)
e2e_check "a press released away from the button leaves the app running" e2e_app_running
e2e_check "its window is still shown" e2e_window_shown
e2e_check "the close button still shows its normal look" shows skinrect

e2e_click "$px" "$py"
e2e_check "a click on the close button ends the app within 5 s" e2e_app_ends 5
e2e_finish
