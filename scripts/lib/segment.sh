# A private Ethernet segment for demos and end-to-end runs: two network namespaces joined by a
# veth pair, emulated switches on the far end. Source this file; it needs root.
#   segment_up PREFIX      creates PREFIX-host (device "${PREFIX}h") and PREFIX-sw (device "${PREFIX}s")
#   segment_switches ARGS  starts velkor-switchsim on the far end with ARGS
#   segment_down           stops the emulators and removes both namespaces

segment_up() {
  SEGMENT=$1
  SEGMENT_HOST_NS=$SEGMENT-host
  SEGMENT_SW_NS=$SEGMENT-sw
  SEGMENT_HOST_IF=${SEGMENT}h
  SEGMENT_SW_IF=${SEGMENT}s
  segment_down 2>/dev/null || true
  ip netns add "$SEGMENT_HOST_NS"
  ip netns add "$SEGMENT_SW_NS"
  ip link add "$SEGMENT_HOST_IF" netns "$SEGMENT_HOST_NS" type veth peer name "$SEGMENT_SW_IF" netns "$SEGMENT_SW_NS"
  ip -n "$SEGMENT_HOST_NS" addr add 10.77.0.1/24 dev "$SEGMENT_HOST_IF"
  ip -n "$SEGMENT_HOST_NS" link set "$SEGMENT_HOST_IF" up
  ip -n "$SEGMENT_SW_NS" link set "$SEGMENT_SW_IF" up
  ip -n "$SEGMENT_HOST_NS" link set lo up
}

segment_switches() {
  ip netns exec "$SEGMENT_SW_NS" "$VELKOR_BUILD/sim/velkor-switchsim" --iface "$SEGMENT_SW_IF" "$@" \
    >"/tmp/$SEGMENT-switchsim.log" 2>&1 &
  SEGMENT_SIM_PID=$!
  for _ in $(seq 50); do
    grep -q '^serving on' "/tmp/$SEGMENT-switchsim.log" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "velkor-switchsim did not start:" >&2
  cat "/tmp/$SEGMENT-switchsim.log" >&2
  return 1
}

# Runs a command on the near end of the segment.
segment_host() {
  ip netns exec "$SEGMENT_HOST_NS" "$@"
}

segment_down() {
  [ -n "${SEGMENT_SIM_PID:-}" ] && kill "$SEGMENT_SIM_PID" 2>/dev/null && wait "$SEGMENT_SIM_PID" 2>/dev/null
  SEGMENT_SIM_PID=
  ip netns pids "$SEGMENT_SW_NS" 2>/dev/null | xargs -r kill 2>/dev/null
  ip netns del "$SEGMENT_HOST_NS" 2>/dev/null
  ip netns del "$SEGMENT_SW_NS" 2>/dev/null
  return 0
}
