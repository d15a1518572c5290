#!/usr/bin/env bash
# velkorctl on a segment where nothing answers: the right exit codes, and a hello on the wire that
# decodes as one.
# usage: empty_segment.sh VELKORCTL
set -euo pipefail
. "$(dirname "$0")/netns.sh"
require_netns
ctl="$1"
make_segment

start_capture
# The host namespace holds a single Ethernet adapter, so it is picked without --iface.
expect_exit 5 in_host "$ctl" discover --json
[ "$OUT" = '{"error": {"code": 5, "message": "no switch answered"}}' ] || fail "discover printed '$OUT'"
expect_exit 5 in_host "$ctl" get 0x0207
# Awaiting a named switch, each hello's window still ends when nothing has come.
expect_exit 5 in_host "$ctl" get 0x0207 --switch 02:00:00:00:00:99
expect_exit 3 in_host "$ctl" get 0x0207 --iface velkor-none
expect_exit 0 in_host "$ctl" adapters --json
echo "$OUT" | grep -q "\"name\": \"$HOST_IF\"" || fail "adapters lists no $HOST_IF: $OUT"
echo "$OUT" | grep -qi "\"mac\": \"$HOST_MAC\"" || fail "adapters shows the wrong MAC: $OUT"
stop_capture

src="eth.src == $HOST_MAC"
hello="eth.dst == ff:ff:ff:ff:ff:ff && $src && rrcp.opcode == 0 && rrcp.reply == 0 && rrcp.authkey == 0x5c3a"
# discover and each get say hello three times before they give up on the segment.
[ "$(count_frames "$hello && frame.len == 60")" -eq 9 ] || fail "expected nine 60-byte hellos"
[ "$(count_frames "$src && !($hello)")" -eq 0 ] || fail "something else than hellos was sent"

# Without capture rights the adapter cannot be opened, and the reason is told apart.
if command -v setpriv >/dev/null; then
  expect_exit 4 in_host setpriv --reuid=65534 --regid=65534 --clear-groups "$ctl" discover
  grep -q "cap_net_raw" "$WORK_DIR/stderr" || fail "no hint about capture rights: $(cat "$WORK_DIR/stderr")"
fi
echo "empty segment: ok"
