#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time over a scratch copy of its
# seed corpus (the seeds themselves are never modified).
#   run-fuzzer.sh BINARY SECONDS [SEED_DIR]
set -euo pipefail
bin=$1 seconds=$2 seeds=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
[ -n "$seeds" ] && [ -d "$seeds" ] && cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
exec "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 corpus
