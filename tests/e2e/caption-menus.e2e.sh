#!/usr/bin/env bash
# "Negocio" opens its menu on the press and stays down while it is open; Alt+M opens the menu
# button's menu, whose disabled headings cannot be chosen and whose "Bing" sends the first page's
# web view to its address without changing the page; its "Close" ends the app without a question.
. "$(dirname "$0")/lib.sh"

e2e_start_app
e2e_shot
page0=$(e2e_address_sig)
width0=$(e2e_address_width)
read -r nx ny nw nh <<<"$(e2e_quick_button 1)"
[ -n "$nx" ] || e2e_abort "\"Negocio\" shows its image"
edge_up=$(e2e_pixel $((nx + nw / 2)) "$ny")
item_h=$(e2e_skin_value menuitem skinrect | awk -F, '{ print $4 - $2 }')

# The press alone opens the menu: it is there before the button is let go.
before=$(e2e_visible_windows)
e2e_press $((nx + nw - 12)) $((ny + nh / 2))
menu=$(e2e_wait_new_window "$before" 3)
e2e_release $((nx + nw - 12)) $((ny + nh / 2))
[ -n "$menu" ] || e2e_abort "a press on \"Negocio\" opens its menu" "no new window appeared"
e2e_pass "a press on \"Negocio\" opens its menu"
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
e2e_check "the menu opens under the button ($mx,$my)" test "$my" -ge $((ny + nh - 2)) -a "$mx" -le $((nx + nw))
e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
sleep 0.3
e2e_shot negocio-menu
e2e_check "the button stays down while its menu is open" \
  eval '! e2e_color_near "$edge_up" "$(e2e_pixel $((nx + nw / 2)) "$ny")" 30'
e2e_key Escape
e2e_check "Escape closes the menu" e2e_wait_until 3 e2e_window_gone "$menu"
sleep 0.3
e2e_shot
e2e_expect_color "and the button comes up" "$edge_up" $((nx + nw / 2)) "$ny" 12
e2e_check "the page stays" test "$(e2e_address_sig)" = "$page0"

# The menu button's menu by its caption's accelerator.
e2e_activate
before=$(e2e_visible_windows)
e2e_key alt+m
menu=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+M opens a menu" "no new window appeared"
e2e_pass "Alt+M opens a menu"
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
e2e_check "it opens under the menu button ($mx,$my)" test "$my" -ge 20 -a "$mx" -le 20
sleep 0.3
e2e_shot menubutton-menu
e2e_click $(e2e_menu_item "$menu" 0)
sleep 0.5
e2e_check "its heading \"-File-\" cannot be chosen: the menu stays" eval '! e2e_window_gone "$menu"'
e2e_key Escape
e2e_wait_until 3 e2e_window_gone "$menu"

# Bing while the second page is current: the page stays; the first page shows Bing's address.
e2e_shot
e2e_click $(e2e_tab_point 1)
e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
page_is() { e2e_shot && [ "$(e2e_address_sig)" = "$1" ]; }
page_is_not() { e2e_shot && [ "$(e2e_address_sig)" != "$1" ]; }
e2e_wait_until 3 page_is_not "$page0" || e2e_abort "caption tab 1 selects the second page"
sleep 0.3
e2e_shot
page1=$(e2e_address_sig)
e2e_activate
before=$(e2e_visible_windows)
e2e_key alt+m
menu=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+M opens the menu again"
e2e_click $(e2e_menu_item "$menu" 7)
e2e_check "\"Bing\" closes the menu" e2e_wait_until 3 e2e_window_gone "$menu"
sleep 1
e2e_check "the second page stays" page_is "$page1"
e2e_key alt+r
e2e_check "the first page shows another address" e2e_wait_until 10 page_is_not "$page0"
# "https://www.bing.com/?FORM=Z9FD1" is shorter than the start address.
width=$(e2e_address_width)
e2e_check "its address line is shorter than the start page's ($width < $width0)" \
  test "${width:-0}" -gt 100 -a "${width:-0}" -lt "$width0"

# "Close" is the last row: the menu's bottom less its frame below the items, half a row up.
before=$(e2e_visible_windows)
e2e_key alt+m
menu=$(e2e_wait_new_window "$before" 3) || e2e_abort "Alt+M opens the menu a third time"
read -r mx my mw mh <<<"$(e2e_geometry "$menu")"
IFS=, read -r l t r b <<<"$(e2e_skin_value POPUPWINDOW itemsrect)"
pic_h=$(identify -format '%h' "$E2E_SKIN/$(e2e_skin_value PICTURES "$(e2e_skin_value POPUPWINDOW windowpictureindex)")")
before=$(e2e_visible_windows)
e2e_click $((mx + mw / 2)) $((my + mh - (pic_h - b) - item_h / 2))
e2e_check "\"Close\" ends the app" e2e_app_ends 10
e2e_check "without a question" eval '! e2e_wait_new_window "$before" 1 >/dev/null'
e2e_finish
