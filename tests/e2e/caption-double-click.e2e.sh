#!/usr/bin/env bash
# A double click on the caption restores the maximized window and maximizes the restored one.
. "$(dirname "$0")/lib.sh"

e2e_start_app
maximized=$(e2e_maximized_rect)
restored=$(e2e_restored_rect)
e2e_expect_eq "the window starts maximized" "$maximized" "$(e2e_geometry)"

e2e_double_click $(e2e_caption_point)
e2e_wait_geometry "$restored"
e2e_expect_eq "a caption double click restores it" "$restored" "$(e2e_geometry)"

e2e_double_click $(e2e_caption_point)
e2e_wait_geometry "$maximized"
e2e_expect_eq "a second one maximizes it" "$maximized" "$(e2e_geometry)"
e2e_finish
