#!/usr/bin/env bash
# Start-up and shutdown of the real program under a window manager.
source "$(dirname "$0")/lib.sh"

start_program
menu=$(wait_window tobrelin)
sleep 0.3
screenshot startup.png

expect_eq "windows mapped at start" "$(visible_windows | paste -sd,)" "tobrelin"
expect_eq "menu outer corner" "$(outer_corner "$menu")" "196 152"
read -r x y w h < <(client_geometry "$menu")
expect_eq "menu client size" "$w x $h" "690 x 450"

# No title bar: only the border decoration is asked for, and the frame is as thin at the top as
# at the sides.
hints=$(xprop -id "$menu" _MOTIF_WM_HINTS | sed -n 's/.*= //p')
expect_eq "motif decorations" "$hints" "0x2, 0x0, 0x2, 0x0, 0x0"
read -r left right top bottom < <(frame_extents "$menu")
expect_eq "frame top equals frame left" "$top" "$left"

# The window keeps its fitted size against a resize request.
xdotool windowsize "$menu" 800 600
sleep 0.3
read -r x y w h < <(client_geometry "$menu")
expect_eq "client size after resize request" "$w x $h" "690 x 450"

# A second copy is an independent process.
first=$PROGRAM_PID
start_program
second=$PROGRAM_PID
second_menu=$(wait_window tobrelin "$second")
[[ $second != "$first" && $second_menu != "$menu" ]] || fail "second copy shares the first"

# Closing the menu window through the window manager ends its process with status 0, and only that.
xdotool windowactivate --sync "$menu" key --clearmodifiers alt+F4
wait_exit "$first"
expect_eq "exit status after close" "$EXIT_STATUS" "0"
kill -0 "$second" || fail "the second copy ended with the first"
xdotool windowactivate --sync "$second_menu" key --clearmodifiers alt+F4
wait_exit "$second"
expect_eq "second copy exit status" "$EXIT_STATUS" "0"
