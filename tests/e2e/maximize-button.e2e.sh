#!/usr/bin/env bash
# The skinned maximize button restores the maximized window to its designed size, centred in the
# work area (the first restore centres it), and maximizes it again; it shows its restore look
# while the window is maximized, and no button stays lit once the pointer has gone.
. "$(dirname "$0")/lib.sh"

shows() { e2e_shot && e2e_caption_button_shows 1 "$1"; }
click_button() {
  local bx by bw bh
  read -r bx by bw bh <<<"$(e2e_caption_button 1)"
  e2e_click $((bx + bw / 2)) $((by + bh / 2))
}

e2e_start_app
maximized=$(e2e_maximized_rect)
restored=$(e2e_restored_rect)
e2e_expect_eq "the window starts maximized" "$maximized" "$(e2e_geometry)"
e2e_check "the maximized window's button shows the restore look" shows restorerect

click_button
e2e_wait_geometry "$restored"
e2e_expect_eq "the button restores the designed size, centred" "$restored" "$(e2e_geometry)"
e2e_check "the restored window carries no window-manager frame" e2e_undecorated
# The pointer stays where the button was, outside the smaller window, then goes further away.
e2e_move 5 5
e2e_check "the restored window's button shows the maximize look, not lit" e2e_wait_until 3 shows skinrect
e2e_shot restored

click_button
e2e_wait_geometry "$maximized"
e2e_expect_eq "a second click maximizes it again" "$maximized" "$(e2e_geometry)"
e2e_move 5 500
e2e_check "the button shows the restore look again, not lit" e2e_wait_until 3 shows restorerect
e2e_finish
