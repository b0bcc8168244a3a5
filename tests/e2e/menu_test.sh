#!/usr/bin/env bash
# The menu window of the real program: a category page, a forum link's "Copy" and click, "Exit".
source "$(dirname "$0")/lib.sh"

# A stand-in for the desktop's opener: records the address it is asked to open.
opener_dir=$(mktemp -d)
trap 'rm -rf "$opener_dir"' EXIT
cat >"$opener_dir/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$opener_dir/opened"
SCRIPT
chmod +x "$opener_dir/xdg-open"
export PATH="$opener_dir:$PATH"

start_program
menu=$(wait_window tobrelin)
sleep 0.3

column() { import -window "$menu" -crop 240x150+448+150 +repage "$opener_dir/$1.png"; }
column before
click_at "$menu" 330 190 # the FAQ picture
for _ in $(seq 1 40); do
    column after
    changed=$(compare -metric AE "$opener_dir/before.png" "$opener_dir/after.png" null: 2>&1 || true)
    (( changed > 500 )) && break
    sleep 0.05
done
screenshot menu_faq.png
(( changed > 500 )) || fail "the FAQ labels were not drawn ($changed pixels changed)"
echo "ok: FAQ page drawn ($changed pixels changed)"

# "Copy" on the first forum link puts its caption on the clipboard.
click_at "$menu" 110 173 3
sleep 0.3
xdotool key --clearmodifiers Down Return
sleep 0.3
expect_eq "clipboard after Copy" "$(xclip -o -selection clipboard)" "Уязвимости Lineage2"

# A left click hands the forum section to the desktop's opener.
click_at "$menu" 110 173
for _ in $(seq 1 40); do [[ -s $opener_dir/opened ]] && break; sleep 0.05; done
expect_eq "address opened" "$(cat "$opener_dir/opened" 2>/dev/null)" \
    "http://forum.l2v.example:81/forumdisplay.php?f=6"

# "Exit", where it overlaps the ABOUT picture, ends the program.
click_at "$menu" 340 273
wait_exit "$PROGRAM_PID"
expect_eq "exit status" "$EXIT_STATUS" "0"
