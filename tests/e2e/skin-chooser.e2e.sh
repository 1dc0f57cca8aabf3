#!/usr/bin/env bash
# Ctrl+S opens the skin chooser over the main window. It lists the packages beside the program
# (one per line, sorted), previews the selected one and follows the keys; Esc and Cancel change
# nothing; Enter and a double click load the chosen skin, and the frame, the caption extras and
# the menus repaint in it. The app is run from a folder of its own holding the shipped packages
# and a damaged one: the damaged package is reported by name and never replaces the skin in use.
. "$(dirname "$0")/lib.sh"

# The program and the packages in a folder of their own.
app_dir=$e2e_tmp/app
mkdir -p "$app_dir"
cp "$E2E_EXE" "$app_dir/"
cp "$(dirname "$E2E_EXE")"/*.skn "$app_dir/"
E2E_EXE=$app_dir/$(basename "$E2E_EXE")

e2e_start_app
e2e_shot start
read -r ax ay aw ah <<<"$(e2e_geometry)"
# The frame's signature: the caption band left of the caption extras.
frame_sig() { e2e_shot && e2e_region_sig "$ax" "$ay" $((aw / 2)) 30; }
start_sig=$(frame_sig)

# open_chooser: Ctrl+S in the main window; prints the chooser's window id.
open_chooser() {
  local before
  e2e_activate
  before=$(e2e_visible_windows)
  e2e_key ctrl+s
  e2e_wait_new_window "$before" 5
}
# The chooser's list and preview by the dialog's layout (client coordinates from its client
# origin, which lies the frame's width inside the window).
chooser_geometry() { read -r cx cy cw ch <<<"$(e2e_geometry "$1")"; }
preview_sig() { e2e_shot && e2e_region_sig $((cx + cw - 240)) $((cy + 40)) 200 150; }

chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser" "no new window appeared"
e2e_pass "Ctrl+S opens the chooser"
chooser_geometry "$chooser"
e2e_check "the chooser is at least 420 x 240 ($cw x $ch)" test "$cw" -ge 420 -a "$ch" -ge 240
sleep 0.5
e2e_shot chooser
before=$(e2e_visible_windows)
e2e_key ctrl+s
sleep 1
e2e_check "Ctrl+S inside the chooser opens no second chooser" eval '! e2e_new_window "$before" >/dev/null'

# Down walks the sorted list; each skin previews differently, and the end stops the walk.
sigs=("$(preview_sig)")
for _ in 1 2 3; do
  e2e_key Down
  sleep 0.8
  sigs+=("$(preview_sig)")
done
distinct=$(printf '%s\n' "${sigs[@]:0:3}" | sort -u | wc -l)
e2e_expect_eq "three packages preview three different skins" 3 "$distinct"
e2e_expect_eq "the list ends after the third package" "${sigs[2]}" "${sigs[3]}"

e2e_key Escape
e2e_check "Esc closes the chooser" e2e_wait_until 3 e2e_window_gone "$chooser"
sleep 0.5
e2e_expect_eq "Esc changes nothing" "$start_sig" "$(frame_sig)"

# Cancel by its button.
chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser again"
chooser_geometry "$chooser"
e2e_key Down
sleep 0.5
e2e_key Tab Tab
e2e_key space
e2e_check "Cancel closes the chooser" e2e_wait_until 3 e2e_window_gone "$chooser"
sleep 0.5
e2e_expect_eq "Cancel changes nothing" "$start_sig" "$(frame_sig)"

# Enter loads the first package ("carbonel", sorted first).
chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser a third time"
e2e_key Return
e2e_check "Enter closes the chooser" e2e_wait_until 3 e2e_window_gone "$chooser"
sleep 1.5
e2e_shot app-carbonel
carbonel_sig=$(frame_sig)
e2e_check "Enter re-skins the frame" test "$carbonel_sig" != "$start_sig"

# A double click on the next item ("velin") loads it. The list's second row lies one item below
# the first, which the chooser preselects (the skin chosen last).
chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser a fourth time"
chooser_geometry "$chooser"
sleep 0.5
e2e_shot chooser-carbonel
row_h=$(E2E_SKIN=$e2e_root/skins/carbonel e2e_skin_value listbox itemrect | awk -F, '{ print $4 - $2 }')
list_x=$((cx + (cw - 420) / 2 + 10 + 40))
list_y=$((cy + ch - 240 - (cw - 420) / 2 + 10))
e2e_double_click "$list_x" $((list_y + row_h + row_h / 2 + 2))
e2e_check "a double click closes the chooser" e2e_wait_until 3 e2e_window_gone "$chooser"
sleep 1.5
e2e_shot app-velin
velin_sig=$(frame_sig)
e2e_check "the double click re-skins the frame" test "$velin_sig" != "$carbonel_sig" -a "$velin_sig" != "$start_sig"

# The menus follow: the menu button's menu opens in the new skin.
e2e_activate
before=$(e2e_visible_windows)
e2e_key alt+m
menu=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+M opens the menu button's menu"
sleep 0.3
e2e_shot menu-velin
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
velin_menu=$(e2e_region_sig "$mx" "$my" "$mw" 20)
e2e_key Escape
e2e_wait_until 3 e2e_window_gone "$menu"

# Back to the default skin by name, and its menu looks different from velin's.
chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser a fifth time"
sleep 0.5
e2e_shot chooser-velin
e2e_key Down Return
e2e_check "Down and Enter close the chooser" e2e_wait_until 3 e2e_window_gone "$chooser"
sleep 1.5
e2e_shot app-zozaziz
e2e_expect_eq "zozaziz looks as at the start" "$start_sig" "$(frame_sig)"
e2e_activate
before=$(e2e_visible_windows)
e2e_key alt+m
menu=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+M opens the menu again"
sleep 0.3
e2e_shot
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
e2e_check "the menu changed skin with the frame" test "$(e2e_region_sig "$mx" "$my" "$mw" 20)" != "$velin_menu"
e2e_key Escape
e2e_wait_until 3 e2e_window_gone "$menu"

# A damaged package beside the program, sorted first. Selecting it reports that it cannot be
# previewed, and the preview goes; confirming it reports it again and keeps the skin in use.
head -c 3000 "$app_dir/velin.skn" >"$app_dir/broken.skn"
chooser=$(open_chooser) || e2e_abort "Ctrl+S opens the chooser with a damaged package beside"
chooser_geometry "$chooser"
sleep 0.5
before=$(e2e_visible_windows)
e2e_key Home
box=$(e2e_wait_new_window "$before" 5)
e2e_check "selecting the damaged package shows an error box" test -n "$box"
sleep 0.5
e2e_shot damaged-preview
e2e_key Return
e2e_wait_until 3 e2e_window_gone "$box"
sleep 0.5
e2e_shot chooser-damaged
e2e_check "the chooser stays open" eval '! e2e_window_gone "$chooser"'
before=$(e2e_visible_windows)
e2e_key Return
box=$(e2e_wait_new_window "$before" 5)
e2e_check "confirming the damaged package shows an error box" test -n "$box"
sleep 0.5
e2e_shot damaged-load
e2e_key Return
sleep 1
e2e_expect_eq "the skin in use stays" "$start_sig" "$(frame_sig)"

# Chosen last, the damaged package is preselected: the chooser reports it, then opens anyway.
before=$(e2e_visible_windows)
e2e_activate
e2e_key ctrl+s
box=$(e2e_wait_new_window "$before" 5)
e2e_check "opening on the damaged package reports it first" test -n "$box"
e2e_key Return
chooser=$(e2e_wait_new_window "$before" 5)
e2e_check "and the chooser opens after the error box" test -n "$chooser"
sleep 0.5
e2e_shot chooser-opened-on-damaged
e2e_key Escape
e2e_check "Esc closes it" e2e_wait_until 3 e2e_window_gone "$chooser"
e2e_check "the app goes on running" e2e_app_running

e2e_finish
