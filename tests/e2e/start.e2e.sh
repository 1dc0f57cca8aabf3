#!/usr/bin/env bash
# At start the window is maximized to the work area and carries no window-manager decoration:
# its edges and the top of its caption are the skin's frame.
. "$(dirname "$0")/lib.sh"

e2e_start_app
e2e_expect_eq "the window is maximized to the work area" "$(e2e_maximized_rect)" "$(e2e_geometry)"
e2e_check "the window manager adds no title bar or border" e2e_undecorated
e2e_shot maximized

# The frame picture's edge columns and rows, and the caption band's rows, are one colour each
# along the stretched parts, so the screen shows them exactly wherever the frame is stretched.
read -r x y w h <<<"$(e2e_geometry)"
frame=$E2E_SKIN/$(e2e_skin_value PICTURES picture)
pic_w=$(identify -format '%w' "$frame")
pic_h=$(identify -format '%h' "$frame")
mid=$((pic_w / 2))
for sample in "top edge:$((w / 3)),0:$mid,0" "caption top:$((w / 3)),1:$mid,1" \
              "caption bottom:$((w * 3 / 4)),28:$mid,28" "left edge:0,$((h / 2)):0,$((pic_h / 2))" \
              "right edge:$((w - 1)),$((h / 2)):$((pic_w - 1)),$((pic_h / 2))" \
              "bottom edge:$((w / 2)),$((h - 1)):$mid,$((pic_h - 1))"; do
  IFS=: read -r what at from <<<"$sample"
  IFS=, read -r sx sy <<<"$at"
  IFS=, read -r fx fy <<<"$from"
  e2e_expect_color "the frame's $what shows the skin" "$(e2e_picture_pixel "$frame" "$fx" "$fy")" \
    $((x + sx)) $((y + sy)) 4
done
e2e_finish
