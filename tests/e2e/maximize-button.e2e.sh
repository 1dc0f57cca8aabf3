#!/usr/bin/env bash
# The skinned maximize button restores the maximized window to its designed size, centred in the
# work area (the first restore centres it), and maximizes it again.
. "$(dirname "$0")/lib.sh"

e2e_start_app
maximized=$(e2e_maximized_rect)
restored=$(e2e_restored_rect)
e2e_expect_eq "the window starts maximized" "$maximized" "$(e2e_geometry)"

read -r bx by bw bh <<<"$(e2e_caption_button 1)"
e2e_click $((bx + bw / 2)) $((by + bh / 2))
e2e_wait_geometry "$restored"
e2e_expect_eq "the maximize button restores the designed size, centred" "$restored" "$(e2e_geometry)"
e2e_check "the restored window carries no window-manager frame" e2e_undecorated
e2e_move 5 5
e2e_wait_painted
e2e_shot restored

read -r bx by bw bh <<<"$(e2e_caption_button 1)"
e2e_click $((bx + bw / 2)) $((by + bh / 2))
e2e_wait_geometry "$maximized"
e2e_expect_eq "a second click maximizes it again" "$maximized" "$(e2e_geometry)"
e2e_finish
