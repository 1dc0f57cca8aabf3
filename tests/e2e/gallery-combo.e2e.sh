#!/usr/bin/env bash
# The skinned combo box of the controls gallery (the main window's combo box is hidden), in the
# default skin, driven as a user would: a click opens the drop-down list, which never takes the
# activation from the gallery; a click on a row selects it and closes the list; pressing on the
# control, dragging into the list and releasing over a row selects that row; the keys step,
# search and open and close the list; a click elsewhere closes it without a change.
. "$(dirname "$0")/lib.sh"

e2e_use_gallery
e2e_start_app
log=$e2e_tmp/app.log
read -r cl ct cr cb <<<"$(e2e_gallery_rect comboFixed)"
[ -n "$cb" ] || e2e_abort "the gallery lists the combo box"
# events: the combo box's lines of the log so far; seen TEXT: the text is among them.
events() { tr -d '\r' <"$log" | grep "^comboFixed On"; }
seen() { events | grep -qx "comboFixed $1"; }
count() { events | grep -cx "comboFixed $1"; }
# The list that opens by itself when the gallery shows is closed by the first click below.
sleep 1.2

# open_list: a click on the control's button; prints the list's window id.
open_list() {
  local before
  before=$(e2e_visible_windows)
  e2e_click $((cr - 8)) $(((ct + cb) / 2))
  e2e_wait_new_window "$before" 3
}
list=$(open_list) || e2e_abort "a click on the button opens the list"
e2e_pass "a click on the button opens the list"
e2e_check "OnDropDown is raised" seen OnDropDown
e2e_expect_eq "the gallery stays the active window" "$APP_WIN" "$(xdotool getactivewindow)"
read -r lx ly lw lh <<<"$(e2e_geometry "$list")"
e2e_check "the list opens below the control ($ly >= $cb - 1)" test "$ly" -ge $((cb - 1))
e2e_shot combo-open
row_h=$((lh / 3))

# A click on the second row: "Center".
e2e_click $((lx + lw / 2)) $((ly + row_h + row_h / 2))
e2e_check "a click on a row closes the list" e2e_wait_until 3 e2e_window_gone "$list"
e2e_check "and selects it" e2e_wait_until 2 seen "OnChange 1"
e2e_check "OnCloseUp follows the accepted choice" seen OnCloseUp

# Press on the button, drag into the list onto the third row, release there: "Right".
before=$(e2e_visible_windows)
e2e_press $((cr - 8)) $(((ct + cb) / 2))
list=$(e2e_wait_new_window "$before" 3) || e2e_abort "a press on the button opens the list"
read -r lx ly lw lh <<<"$(e2e_geometry "$list")"
xdotool mousemove $((lx + lw / 2)) $((ly + row_h / 2)) sleep 0.2 \
  mousemove $((lx + lw / 2)) $((ly + 2 * row_h + row_h / 2)) sleep 0.2
e2e_release $((lx + lw / 2)) $((ly + 2 * row_h + row_h / 2))
e2e_check "releasing over a row closes the list" e2e_wait_until 3 e2e_window_gone "$list"
e2e_check "and selects that row" e2e_wait_until 2 seen "OnChange 2"

# A press and release outside the list after a drag restores the selection.
changes=$(events | grep -c "OnChange")
before=$(e2e_visible_windows)
e2e_press $((cr - 8)) $(((ct + cb) / 2))
list=$(e2e_wait_new_window "$before" 3) || e2e_abort "the list opens again"
read -r lx ly lw lh <<<"$(e2e_geometry "$list")"
xdotool mousemove $((lx + lw / 2)) $((ly + row_h / 2)) sleep 0.2 mousemove $((lx + lw + 60)) $((ly + row_h / 2)) sleep 0.2
e2e_release $((lx + lw + 60)) $((ly + row_h / 2))
e2e_check "releasing outside closes the list" e2e_wait_until 3 e2e_window_gone "$list"
sleep 0.3
e2e_expect_eq "and changes nothing" "$changes" "$(events | grep -c "OnChange")"

# Keys: Up steps back, a typed letter searches, Alt+Down opens, Escape closes without a change.
e2e_key Up
e2e_check "Up selects the previous item" e2e_wait_until 2 eval '[ "$(count "OnChange 1")" -ge 2 ]'
e2e_key l
e2e_check "typing \"l\" selects \"Left\"" e2e_wait_until 2 seen "OnChange 0"
changes=$(events | grep -c "OnChange")
before=$(e2e_visible_windows)
e2e_key alt+Down
list=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+Down opens the list"
e2e_pass "Alt+Down opens the list"
e2e_key Escape
e2e_check "Escape closes it" e2e_wait_until 3 e2e_window_gone "$list"
e2e_expect_eq "without a change" "$changes" "$(events | grep -c "OnChange")"

# A click elsewhere closes an open list without a change.
list=$(open_list) || e2e_abort "the list opens for the last time"
e2e_click $((cl + 10)) $((ct - 60))
e2e_check "a click elsewhere closes the list" e2e_wait_until 3 e2e_window_gone "$list"
e2e_expect_eq "without a change" "$changes" "$(events | grep -c "OnChange")"
e2e_finish
