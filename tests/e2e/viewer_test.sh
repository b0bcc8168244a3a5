#!/usr/bin/env bash
# The article viewer of the real program: opening, placing, forty different articles, closing.
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
start_program
menu=$(wait_window tobrelin)
sleep 0.3

click_at "$menu" 330 190 # FAQ
click_at "$menu" 460 158 # "FAQ MySQL"
viewer=$(wait_window "Tobrelin v4.0")
sleep 0.3
screenshot viewer_mf1.png
expect_eq "viewer title" "$(xdotool getwindowname "$viewer")" "Tobrelin v4.0"
read -r x y w h < <(client_geometry "$viewer")
expect_eq "viewer client size" "$w x $h" "670 x 440"
expect_eq "viewer outer corner" "$(outer_corner "$viewer")" "194 182"
read -r left right top bottom < <(frame_extents "$viewer")
(( top > left )) || fail "the viewer has no title bar"
xprop -id "$viewer" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the viewer has its own task-bar entry"
echo "ok: viewer has a title bar and no task-bar entry of its own"

# Every label of every page opens an article of its own.
pages=("330 190:7" "330 203:3" "330 217:10" "330 232:10" "330 247:10")
declare -A seen
opened=0
for page in "${pages[@]}"; do
    read -r px py <<<"${page%%:*}"
    rows=${page##*:}
    for ((row = 0; row < rows; ++row)); do
        xdotool windowactivate --sync "$menu"
        click_at "$menu" "$px" "$py"
        click_at "$menu" 452 $((158 + 16 * row))
        xdotool windowactivate --sync "$viewer"
        # Wait for the new article to be drawn: the picture changes from the previous one.
        for _ in $(seq 1 40); do
            sum=$(import -window "$viewer" rgb:- | md5sum | cut -d' ' -f1)
            [[ $sum != "${previous:-}" ]] && break
            sleep 0.05
        done
        previous=$sum
        seen[$sum]=1
        opened=$((opened + 1))
        if ((opened == 7)); then
            screenshot viewer_mf7.png
            read -r x y w h < <(client_geometry "$viewer")
            expect_eq "client size with mf7" "$w x $h" "680 x 445"
        fi
    done
done
expect_eq "different articles shown" "${#seen[@]}" "40"
last_sum=$sum

# Closing only hides; the next topic brings it back where the user left it, with the new article.
xdotool windowmove --sync "$viewer" 300 100
sleep 0.2
moved=$(outer_corner "$viewer")
xdotool windowactivate --sync "$viewer" key --clearmodifiers alt+F4
wait_unmapped "$viewer"
kill -0 "$PROGRAM_PID" || fail "closing the viewer ended the program"
xdotool windowactivate --sync "$menu"
click_at "$menu" 330 190 # FAQ
click_at "$menu" 460 158 # "FAQ MySQL" again
viewer=$(wait_window "Tobrelin v4.0")
sleep 0.3
expect_eq "viewer place after closing" "$(outer_corner "$viewer")" "$moved"
sum=$(import -window "$viewer" rgb:- | md5sum | cut -d' ' -f1)
[[ $sum != "$last_sum" ]] || fail "the viewer still shows the article from before closing"
echo "ok: the new article replaced the old one"
kill "$PROGRAM_PID"
