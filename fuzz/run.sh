#!/usr/bin/env bash
# Runs one fuzz target for a bounded time on its seed corpus. New inputs go to
# a scratch folder, so the seeds in the repository stay as they are; an input
# that crashes, leaks or hangs is kept in the working folder as crash-*,
# leak-* or timeout-* and the run fails.
set -euo pipefail
target=$1
seeds=$2
seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
     -artifact_prefix="$PWD/" -print_final_stats=1 "$scratch" "$seeds"
