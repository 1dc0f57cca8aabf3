#!/usr/bin/env bash
# "Show Icon" in the caption menu puts the window's icon into the caption (the system menu's
# button); choosing it again changes nothing more.
. "$(dirname "$0")/lib.sh"

e2e_start_app
read -r ax ay aw ah <<<"$(e2e_geometry)"
band() { e2e_shot && e2e_region_sig "$ax" "$ay" "$aw" 30; }
before=$(band)

# show_icon: Alt+M opens the menu button's menu, "Show Icon" is its seventh item.
show_icon() {
  local windows menu
  e2e_activate
  windows=$(e2e_visible_windows)
  e2e_key alt+m
  menu=$(e2e_wait_new_window "$windows" 3) || e2e_abort "Alt+M opens the caption menu"
  sleep 0.3
  e2e_click $(e2e_menu_item "$menu" 6)
  e2e_wait_until 3 e2e_window_gone "$menu"
  e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
  sleep 0.8
}

show_icon
e2e_shot show-icon
once=$(band)
e2e_check "\"Show Icon\" changes the caption" test "$once" != "$before"
e2e_region "$ax" "$ay" 160 30 "$e2e_shots/e2e-show-icon-caption.png"
e2e_log "caption's left end: $e2e_shots/e2e-show-icon-caption.png"

show_icon
e2e_expect_eq "choosing it again changes nothing more" "$once" "$(band)"
e2e_check "the app goes on running" e2e_app_running

e2e_finish
