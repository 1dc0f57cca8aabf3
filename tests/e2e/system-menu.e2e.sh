#!/usr/bin/env bash
# A right click on the caption opens the skinned system menu at the cursor; Escape closes it; its
# Minimize item minimizes the window, which comes back as it was when activated.
. "$(dirname "$0")/lib.sh"

e2e_start_app
read -r cx cy <<<"$(e2e_caption_point)"
menu=$(e2e_open_system_menu) || e2e_abort "a right click on the caption opens a menu" "no new window appeared"
e2e_pass "a right click on the caption opens a menu"
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
e2e_check "the menu opens at the cursor ($cx,$cy; menu at $mx,$my)" \
  test $((mx - cx)) -ge -2 -a $((mx - cx)) -le 2 -a $((my - cy)) -ge -2 -a $((my - cy)) -le 2
e2e_shot sysmenu
popup=$E2E_SKIN/$(e2e_skin_value PICTURES 2)
e2e_expect_color "the menu's left edge is the skin's popup frame" "$(e2e_picture_pixel "$popup" 0 50)" \
  "$mx" $((my + mh / 2)) 4

e2e_key Escape
e2e_check "Escape closes the menu" e2e_wait_until 3 e2e_window_gone "$menu"
e2e_check "the app keeps running" e2e_app_running
e2e_expect_eq "the window stays maximized" "$(e2e_maximized_rect)" "$(e2e_geometry)"

menu=$(e2e_open_system_menu 40) || e2e_abort "the menu opens again" "no new window appeared"
e2e_click $(e2e_menu_item "$menu" 0)
e2e_check "its first item, Minimize, minimizes the window" e2e_wait_until 5 e2e_window_hidden
e2e_expect_eq "the window manager holds the window as an icon" Iconic "$(e2e_wm_state)"
e2e_check "the app keeps running" e2e_app_running

# Brought back as a task bar would (the window manager's activation request): maximized as
# before, in front, with the active look.
xdotool windowactivate "$APP_WIN" 2>/dev/null
e2e_check "activated, the window is shown again" e2e_wait_until 5 e2e_window_shown
e2e_wait_geometry "$(e2e_maximized_rect)"
e2e_expect_eq "it comes back maximized" "$(e2e_maximized_rect)" "$(e2e_geometry)"
read -r x y w h <<<"$(e2e_geometry)"
frame=$E2E_SKIN/$(e2e_skin_value PICTURES picture)
edge=$(e2e_picture_pixel "$frame" 0 0)
edge_shown() { e2e_shot && e2e_color_near "$edge" "$(e2e_pixel $((x + w / 3)) "$y")" 4; }
e2e_check "its frame shows the active look ($edge at the top edge)" e2e_wait_until 3 edge_shown
e2e_finish
