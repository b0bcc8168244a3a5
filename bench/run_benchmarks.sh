#!/usr/bin/env bash
# Runs the benchmarks in a private X server with openbox, after a default build
# (cmake --workflow --preset default). Needs hyperfine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/default}
command -v hyperfine >/dev/null || apt-get install -y -qq hyperfine >/dev/null

run() {
    hyperfine --runs 10 --warmup 2 --export-json /tmp/tobrelin-bench.json --style basic "$@" >/dev/null
    python3 - <<'PY'
import json, statistics
for r in json.load(open('/tmp/tobrelin-bench.json'))['results']:
    print(f"{r['command']}: median {statistics.median(r['times'])*1000:.1f} ms "
          f"(min {min(r['times'])*1000:.1f}, max {max(r['times'])*1000:.1f})")
PY
}
export -f run

"$root/tests/e2e/x_session.sh" bash -c "
    echo 'Whole process, start to the first paint of the menu window (10 runs):'
    run '$build/bench/startup_bench' '$build/bench/startup_bench menu-only'
    echo 'Opening an article:'
    '$build/bench/open_article_bench' 2>/dev/null
"
