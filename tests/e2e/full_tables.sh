#!/usr/bin/env bash
# 64 switches answer one hello at once: every reply of the burst must reach the tables, which a
# capture ring with too few slots would silently drop.
# usage: full_tables.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"
start_sim --latency-us 0 --switch QX-F8A --count 64
expect_exit 0 in_host "$CTL" discover --json
[ "$(echo "$OUT" | grep -c '"mac"')" -eq 64 ] || fail "expected 64 switches, got: $OUT"
echo "full tables: ok"
