#!/usr/bin/env bash
# The about window of the real program: shown by ABOUT, hidden by "Close", shown again in place.
source "$(dirname "$0")/lib.sh"

start_program
menu=$(wait_window tobrelin)
sleep 0.3

click_at "$menu" 330 262 # ABOUT
about=$(wait_window "About Tobrelin")
sleep 0.3
screenshot about.png
expect_eq "about outer corner" "$(outer_corner "$about")" "244 194"
read -r x y w h < <(client_geometry "$about")
expect_eq "about client size" "$w x $h" "590 x 392"
expect_eq "about decorations" "$(xprop -id "$about" _MOTIF_WM_HINTS | sed -n 's/.*= //p')" "0x2, 0x0, 0x2, 0x0, 0x0"
xprop -id "$about" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the about window has its own task-bar entry"

click_at "$about" 560 372 # "Close"
wait_unmapped "$about"
kill -0 "$PROGRAM_PID" || fail "Close ended the program"
echo "ok: Close unmapped the about window"

click_at "$menu" 330 262 # ABOUT again
about=$(wait_window "About Tobrelin")
sleep 0.2
expect_eq "about outer corner when shown again" "$(outer_corner "$about")" "244 194"
click_at "$menu" 330 262 # ABOUT while it is open: still one
expect_eq "about windows" "$(visible_windows | grep -c 'About Tobrelin')" "1"
kill "$PROGRAM_PID"
