#!/usr/bin/env bash
# velkorctl vlan against an emulated switch over veth: 802.1Q with two groups and a port mapped to
# the second, saved, survives a power cycle (SIGUSR1).
# usage: vlan.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

start_sim --switch QX-F16A,mac=02:10:00:00:00:03

vlan() { expect_exit 0 in_host "$CTL" vlan "$@" --password vemix --json; }
expect_line() {
  grep -qF -- "$1" <<<"$OUT" || fail "vlan shows no $1 in: $OUT"
}

# The factory table is port-based; leaving it asks, and only --yes confirms without a terminal.
expect_exit 8 in_host "$CTL" vlan mode dot1q --password vemix
vlan mode dot1q --yes
vlan group 2 --vid 20 --ports 1-4
vlan group 3 --vid 30 --ports 5-8,1
vlan map 5-6 3
expect_exit 9 in_host "$CTL" vlan map 9 3 --password vemix
expect_exit 0 in_host "$CTL" save --password vemix
power_cycle

vlan
expect_line '"mode": "dot1q"'
expect_line '{"kind": "group", "group": 1, "vid": 1, "ports": "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"}'
expect_line '{"kind": "group", "group": 2, "vid": 20, "ports": "1,2,3,4"}'
expect_line '{"kind": "group", "group": 3, "vid": 30, "ports": "1,5,6,7,8"}'
expect_line '"port": "5", "tag": "keep", "group": 3}'
expect_line '"port": "6", "tag": "keep", "group": 3}'
expect_line '"port": "7", "tag": "keep", "group": 1}'
echo "vlan: ok"
