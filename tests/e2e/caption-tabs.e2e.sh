#!/usr/bin/env bash
# The caption tabs select the pages, each page's web view showing its own start address; a click
# on the current tab keeps its page; Alt with a tab's accelerator letter selects it.
. "$(dirname "$0")/lib.sh"

e2e_start_app
e2e_shot caption-extras
start=$(e2e_address_sig)
width=$(e2e_address_width)
e2e_check "the first page shows its address ($width pixels wide)" test "${width:-0}" -gt 100

# The current page is known by its address line.
page_is_not() { e2e_shot && [ "$(e2e_address_sig)" != "$1" ]; }
page_is() { e2e_shot && [ "$(e2e_address_sig)" = "$1" ]; }

tab_click() {
  local p
  e2e_shot
  p=$(e2e_tab_point "$1") || { e2e_fail "caption tab $1 shows its image"; return 1; }
  e2e_click $p
  e2e_move $((SCREEN_W - 1)) $((SCREEN_H - 1))
}

sigs=("$start")
for tab in 1 2; do
  tab_click "$tab"
  e2e_check "caption tab $tab shows another page" e2e_wait_until 3 page_is_not "${sigs[tab - 1]}"
  sleep 0.3
  e2e_shot
  sigs[tab]=$(e2e_address_sig)
done
e2e_check "the three start pages differ" \
  test "${sigs[0]}" != "${sigs[1]}" -a "${sigs[0]}" != "${sigs[2]}" -a "${sigs[1]}" != "${sigs[2]}"
tab_click 2
sleep 0.5
e2e_check "a click on the current tab keeps its page" page_is "${sigs[2]}"
tab_click 0
e2e_check "caption tab 0 brings the first page back" e2e_wait_until 3 page_is "${sigs[0]}"
tab_click 1
e2e_check "caption tab 1 brings the second page back" e2e_wait_until 3 page_is "${sigs[1]}"

e2e_activate
for step in "alt+a 2" "alt+r 0" "alt+o 1" "alt+r 0"; do
  read -r key tab <<<"$step"
  e2e_key "$key"
  e2e_check "${key^} selects page $tab" e2e_wait_until 3 page_is "${sigs[tab]}"
done
e2e_finish
