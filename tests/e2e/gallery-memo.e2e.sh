#!/usr/bin/env bash
# The skinned memos of the controls gallery (the main window's memo is hidden), in the default
# skin: a click and a typed letter change the memo; the wheel over it scrolls one line a notch and
# its linked bar follows; a right click opens the skinned context menu and Escape closes it;
# typing into the read-only memo changes nothing.
. "$(dirname "$0")/lib.sh"

e2e_use_gallery
e2e_start_app
log=$e2e_tmp/app.log
read -r ml mt mr mb <<<"$(e2e_gallery_rect memo)"
read -r bl bt br bb <<<"$(e2e_gallery_rect memoVBar)"
[ -n "$mb" ] && [ -n "$bb" ] || e2e_abort "the gallery lists the memo and its bar"
# Below the first line, where the caret blinks after the click.
memo_sig() { e2e_shot && e2e_region_sig "$ml" $((mt + 20)) $((mr - ml)) $((mb - mt - 20)); }
bar_sig() { e2e_shot && e2e_region_sig "$bl" "$bt" $((br - bl)) $((bb - bt)); }

e2e_click $((ml + 40)) $((mt + 10))
sleep 0.3
e2e_key x
e2e_check "typing into the memo changes it" e2e_wait_until 3 grep -q "^memo OnChange 12 lines" "$log"

memo_before=$(memo_sig)
bar_before=$(bar_sig)
xdotool click 5
sleep 0.5
memo_one=$(memo_sig)
bar_one=$(bar_sig)
e2e_check "a wheel notch scrolls the memo" test "$memo_one" != "$memo_before"
e2e_check "its linked bar follows" test "$bar_one" != "$bar_before"
xdotool click 4
sleep 0.5
e2e_expect_eq "a notch back shows the memo as before" "$memo_before" "$(memo_sig)"
e2e_expect_eq "and the bar as before" "$bar_before" "$(bar_sig)"

windows=$(e2e_visible_windows)
e2e_right_click $((ml + 40)) $((mt + 30))
menu=$(e2e_wait_new_window "$windows" 3) || e2e_abort "a right click opens the context menu"
e2e_pass "a right click opens the context menu"
sleep 0.3
e2e_shot memo-menu
e2e_key Escape
e2e_check "Escape closes it" e2e_wait_until 3 e2e_window_gone "$menu"

read -r rl rt rr rb <<<"$(e2e_gallery_rect readOnlyMemo)"
# The caret goes to the end of the first line; Delete there would pull the second line up.
read_only_sig() { e2e_shot && e2e_region_sig "$rl" $((rt + 20)) $((rr - rl)) $((rb - rt - 20)); }
e2e_click $((rr - 5)) $((rt + 10))
sleep 0.3
before=$(read_only_sig)
e2e_key y Delete BackSpace
sleep 0.5
e2e_check "typing into the read-only memo raises no change" eval '! grep -q "^readOnlyMemo OnChange" "$log"'
e2e_expect_eq "and its text stays" "$before" "$(read_only_sig)"
e2e_finish
