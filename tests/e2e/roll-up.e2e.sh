#!/usr/bin/env bash
# The system menu's RollUp (its accelerator L) collapses the window to its caption band; the
# menu's Restore rolls it down again.
. "$(dirname "$0")/lib.sh"

e2e_start_app
maximized=$(e2e_maximized_rect)
read -r x y w h <<<"$maximized"
rolled="$x $y $w 31"

menu=$(e2e_open_system_menu) || e2e_abort "a right click on the caption opens the system menu"
e2e_key l
e2e_check "the menu closes" e2e_wait_until 3 e2e_window_gone "$menu"
e2e_wait_geometry "$rolled"
e2e_expect_eq "RollUp leaves the caption band, 31 pixels high" "$rolled" "$(e2e_geometry)"
e2e_move 5 400
e2e_wait_painted
e2e_shot rolledup

# Rolled up while maximized the menu holds Minimize, Restore, a separator and Close.
menu=$(e2e_open_system_menu 40) || e2e_abort "the system menu opens on the rolled-up caption"
e2e_click $(e2e_menu_item "$menu" 1)
e2e_wait_geometry "$maximized"
e2e_expect_eq "the menu's Restore rolls the window down" "$maximized" "$(e2e_geometry)"
e2e_finish
