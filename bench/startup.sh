#!/usr/bin/env bash
# Time from starting qx7 to its main window shown with the channel table, and
# the memory it holds then. Runs under Xvfb when xvfb-run is there, else on
# the offscreen platform. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$build"/bin/*.Ini "$home"/

run() {
  if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x800x24" env QX7_STARTUP_PROBE=1 "$build/bin/qx7" --home "$home"
  else
    QT_QPA_PLATFORM=offscreen QX7_STARTUP_PROBE=1 "$build/bin/qx7" --home "$home"
  fi
}

for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  line=$(run 2>/dev/null | grep '^shown')
  end=$(date +%s%N)
  echo "$line, process $(( (end - start) / 1000000 )) ms"
done | sort -t' ' -k2 -n | awk '{ print } END { }'
