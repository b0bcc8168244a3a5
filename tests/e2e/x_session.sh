#!/usr/bin/env bash
# Runs a command inside a private X server (Xvfb, 1280x1024) with openbox as the window manager,
# and stops both afterwards. Usage: x_session.sh <command> [args...]
set -euo pipefail

workdir=$(mktemp -d)
cleanup() {
    [[ -n ${wm_pid:-} ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n ${x_pid:-} ]] && kill "$x_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$workdir/display" 2>"$workdir/xvfb.log" &
x_pid=$!
for _ in $(seq 1 100); do
    [[ -s $workdir/display ]] && break
    sleep 0.05
done
[[ -s $workdir/display ]] || { cat "$workdir/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is ready once it has claimed the screen.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

unset WAYLAND_DISPLAY QT_QPA_PLATFORM
"$@"
