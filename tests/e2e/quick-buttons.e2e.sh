#!/usr/bin/env bash
# The quick buttons: play and stop are a pair of which one is down (stop at start), return toggles,
# the information button springs back; each but stop-while-down shows its about message, a modal
# box dismissed with Enter.
. "$(dirname "$0")/lib.sh"

e2e_start_app
e2e_shot
down=$(e2e_quick_edge 3) || e2e_abort "the stop button shows its image"
up=$(e2e_quick_edge 2) || e2e_abort "the play button shows its image"
e2e_check "at start stop is down ($down on its top edge) and play up ($up)" \
  eval '! e2e_color_near "$down" "$up" 30'

# e2e_states: prints whether play, stop and return are down (d) or up (u), once the app is
# active again and the pointer rests away from the caption.
e2e_states() {
  local i c out=
  e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
  e2e_activate
  sleep 0.3
  e2e_shot
  for i in 2 3 4; do
    c=$(e2e_quick_edge "$i")
    if e2e_color_near "$down" "$c" 12; then out+=d; elif e2e_color_near "$up" "$c" 12; then out+=u; else out+="?"; fi
  done
  echo "$out"
}

# e2e_click_quick N: clicks quick button N; prints the signature of the about box it shows (its
# size and picture), after dismissing it with Enter, or "none" when no box appears within 2 s.
e2e_click_quick() {
  local before box x y w h sig
  e2e_shot
  before=$(e2e_visible_windows)
  e2e_click $(e2e_quick_point "$1") || return 1
  box=$(e2e_wait_new_window "$before" 2) || { echo none; return 0; }
  sleep 0.3
  e2e_shot
  read -r x y w h <<<"$(e2e_geometry "$box")"
  sig="$w x $h $(e2e_region_sig "$x" "$y" "$w" "$h")"
  e2e_key Return
  e2e_wait_until 3 e2e_window_gone "$box" || sig="$sig (not dismissed)"
  echo "$sig"
}

e2e_expect_eq "clicking stop while it is down shows nothing" none "$(e2e_click_quick 3)"
e2e_expect_eq "and leaves play up, stop down, return up" udu "$(e2e_states)"
msg2=$(e2e_click_quick 2)
e2e_check "clicking play shows an about box" test "$msg2" != none
e2e_expect_eq "play is down and stop up" duu "$(e2e_states)"
msg3=$(e2e_click_quick 3)
e2e_check "clicking stop again shows another about box" test "$msg3" != none -a "$msg3" != "$msg2"
e2e_expect_eq "stop is down again, play up" udu "$(e2e_states)"
msg4=$(e2e_click_quick 4)
e2e_check "clicking return shows a third about box" \
  test "$msg4" != none -a "$msg4" != "$msg2" -a "$msg4" != "$msg3"
e2e_expect_eq "return is down" udd "$(e2e_states)"
e2e_expect_eq "clicking return again shows the same box" "$msg4" "$(e2e_click_quick 4)"
e2e_expect_eq "return is up again" udu "$(e2e_states)"
msg1=$(e2e_click_quick 0)
e2e_check "the information button shows a fourth about box" \
  test "$msg1" != none -a "$msg1" != "$msg2" -a "$msg1" != "$msg3" -a "$msg1" != "$msg4"
e2e_expect_eq "the other buttons keep their states" udu "$(e2e_states)"
# The boxes are as wide as their texts: message 2 is the shortest, then 3, 4 and 1.
widths="${msg2%% *} ${msg3%% *} ${msg4%% *} ${msg1%% *}"
e2e_check "the boxes grow with their messages' lengths ($widths)" \
  eval '[ "$(tr " " "\n" <<<"$widths" | sort -n | tr "\n" " ")" = "$widths " ]'
e2e_check "the app keeps running" e2e_app_running
e2e_finish
