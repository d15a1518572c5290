# Shared by the end-to-end scripts: two network namespaces joined by a veth pair, the host end in
# one, the switch end in the other, so no frame ever reaches the machine's own interfaces.
# Everything made here is removed by the EXIT trap, whatever way the script ends.

readonly SKIP=77

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

require_netns() {
  [ "$(id -u)" -eq 0 ] || { echo "skipped: network namespaces need root" >&2; exit $SKIP; }
  command -v ip >/dev/null && ip netns list >/dev/null 2>&1 || { echo "skipped: no ip netns" >&2; exit $SKIP; }
}

# Sets HOST_NS, SIM_NS, HOST_IF, SIM_IF, HOST_MAC and WORK_DIR.
make_segment() {
  local id="$$$RANDOM"
  id="${id:0:9}"
  HOST_NS="velkor-h$id"
  SIM_NS="velkor-s$id"
  HOST_IF="vkh$id"
  SIM_IF="vks$id"
  WORK_DIR="$(mktemp -d)"
  BACKGROUND_PIDS=()
  trap cleanup_segment EXIT
  ip netns add "$HOST_NS" || exit $SKIP
  ip netns add "$SIM_NS" || exit $SKIP
  ip link add "$HOST_IF" netns "$HOST_NS" type veth peer name "$SIM_IF" netns "$SIM_NS"
  local ns
  for ns in "$HOST_NS" "$SIM_NS"; do
    # Without IPv6 the segment stays silent apart from what the test sends.
    ip netns exec "$ns" sysctl -qw net.ipv6.conf.all.disable_ipv6=1 net.ipv6.conf.default.disable_ipv6=1
  done
  ip -n "$HOST_NS" link set "$HOST_IF" up
  ip -n "$SIM_NS" link set "$SIM_IF" up
  HOST_MAC="$(ip netns exec "$HOST_NS" cat "/sys/class/net/$HOST_IF/address")"
}

cleanup_segment() {
  local pid
  for pid in "${BACKGROUND_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${BACKGROUND_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  ip netns del "$HOST_NS" 2>/dev/null || true
  ip netns del "$SIM_NS" 2>/dev/null || true
  rm -rf "$WORK_DIR"
}

# A hung command is ended, so the trap still gets to remove the namespaces.
in_host() { timeout 60 ip netns exec "$HOST_NS" "$@"; }
in_sim() { ip netns exec "$SIM_NS" "$@"; }

# Captures the management frames seen on the host end into $WORK_DIR/wire.pcapng.
start_capture() {
  ip netns exec "$HOST_NS" tshark -q -i "$HOST_IF" -f "ether proto 0x8899" -w "$WORK_DIR/wire.pcapng" \
    2>"$WORK_DIR/tshark.log" &
  CAPTURE_PID=$!
  BACKGROUND_PIDS+=("$CAPTURE_PID")
  wait_for_line "$WORK_DIR/tshark.log" "Capturing on" "tshark did not start capturing"
}

# Waits up to 30 s for a background program to log a line, failing with its log otherwise. tshark
# loads every dissector before it captures: on a loaded machine that alone took over 10 s.
wait_for_line() {
  local i
  for i in $(seq 300); do
    grep -q "$2" "$1" && return 0
    sleep 0.1
  done
  cat "$1" >&2
  fail "$3"
}

stop_capture() {
  sleep 0.5  # let the last replies land in the file
  kill -INT "$CAPTURE_PID"
  wait "$CAPTURE_PID" 2>/dev/null
}

# The number of captured frames that match a display filter.
count_frames() {
  tshark -r "$WORK_DIR/wire.pcapng" -Y "$1" 2>/dev/null | wc -l
}

# Fails unless at least one captured frame matches the display filter.
expect_frame() {
  [ "$(count_frames "$1")" -ge 1 ] || fail "no captured frame matches: $1"
}

# Runs a command, failing unless it exits with the expected code; its output is in $OUT.
expect_exit() {
  local want=$1
  shift
  set +e
  OUT="$("$@" 2>"$WORK_DIR/stderr")"
  local got=$?
  set -e
  [ "$got" -eq "$want" ] || fail "$* exited $got, not $want: $(cat "$WORK_DIR/stderr")"
}

# Register $1 of the switch reads $2 (both as velkorctl prints them).
expect_register() {
  expect_exit 0 in_host "$CTL" get "$1" --password vemix
  [ "$OUT" = "register: $1"$'\n'"value: $2" ] || fail "$1 reads $OUT, not $2"
}

# The scripts that need the emulator take velkorctl and velkor-switchsim; sets CTL and SWITCHSIM
# and builds the segment.
segment_with_emulator() {
  require_netns
  CTL="$1"
  SWITCHSIM="$2"
  [ -x "$SWITCHSIM" ] || { echo "skipped: no emulator" >&2; exit $SKIP; }
  make_segment
}

# Starts the switch emulator on the far end and waits until it serves.
start_sim() {
  local log="$WORK_DIR/sim.log"
  : >"$log"
  ip netns exec "$SIM_NS" "$SWITCHSIM" --iface "$SIM_IF" "$@" >"$log" 2>&1 &
  SIM_PID=$!
  BACKGROUND_PIDS+=("$SIM_PID")
  wait_for_line "$log" "serving on" "the emulator did not start"
  POWER_CYCLES=0
}

# Power-cycles every emulated switch and waits until the emulator has done it.
power_cycle() {
  POWER_CYCLES=$((POWER_CYCLES + 1))
  kill -USR1 "$SIM_PID"
  local i
  for i in $(seq 100); do
    [ "$(grep -c '^power cycle' "$WORK_DIR/sim.log")" -ge "$POWER_CYCLES" ] && return 0
    sleep 0.1
  done
  fail "the emulator did not power-cycle"
}

stop_sim() {
  kill "$SIM_PID"
  wait "$SIM_PID" 2>/dev/null || true
}
