#!/usr/bin/env bash
# Alt+F4 ends the app.
. "$(dirname "$0")/lib.sh"

e2e_start_app
e2e_activate
e2e_key alt+F4
e2e_check "Alt+F4 ends the app within 5 s" e2e_app_ends 5
e2e_finish
