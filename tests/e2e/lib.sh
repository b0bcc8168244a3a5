# Helpers for the end-to-end tests; sourced by each test, which runs inside x_session.sh.
# TOBRELIN is the program under test.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expect_eq() { # what, actual, expected
    [[ "$2" == "$3" ]] || fail "$1: got '$2', expected '$3'"
    echo "ok: $1 = $3"
}

# Starts the program in the background; sets PROGRAM_PID.
start_program() {
    "$TOBRELIN" 2>>"${E2E_LOG:-/dev/null}" &
    PROGRAM_PID=$!
}

# Waits until the program has a mapped window with the given name; prints its id.
wait_window() { # name [pid]
    local pid=${2:-$PROGRAM_PID} id
    for _ in $(seq 1 100); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    fail "no window named '$1'"
}

# Waits until the window is unmapped (or gone).
wait_unmapped() { # id
    for _ in $(seq 1 100); do
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.05
    done
    fail "window $1 is still mapped"
}

# Mapped top-level windows of the program, by name.
visible_windows() { # [pid]
    local id
    for id in $(xdotool search --all --onlyvisible --pid "${1:-$PROGRAM_PID}" --name '.' 2>/dev/null); do
        xdotool getwindowname "$id"
    done | sort
}

# The client area: "x y width height" in screen coordinates.
client_geometry() { # id
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# The frame the window manager drew: "left right top bottom".
frame_extents() { # id
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ','
}

# The outer top-left corner of the window, frame included: "x y".
outer_corner() { # id
    local x y w h left right top bottom
    read -r x y w h < <(client_geometry "$1")
    read -r left right top bottom < <(frame_extents "$1")
    echo "$((x - left)) $((y - top))"
}

# Waits for a child process to end and sets EXIT_STATUS. Not to be called in a subshell.
wait_exit() { # pid
    for _ in $(seq 1 100); do
        [[ $(ps -o stat= -p "$1" 2>/dev/null) == Z* || -z $(ps -o pid= -p "$1") ]] && break
        sleep 0.05
    done
    [[ $(ps -o stat= -p "$1" 2>/dev/null) == Z* || -z $(ps -o pid= -p "$1") ]] || fail "process $1 is still running"
    EXIT_STATUS=0
    wait "$1" || EXIT_STATUS=$?
}

# Clicks at a point of a window's client area.
click_at() { # id x y [button]
    local x y w h
    read -r x y w h < <(client_geometry "$1")
    # No --sync: it waits for a motion that never comes when the pointer is already there.
    xdotool mousemove $((x + $2)) $((y + $3)) click "${4:-1}"
}

screenshot() { # file
    [[ -n ${E2E_SHOTS:-} ]] || return 0
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1"
}
