#!/usr/bin/env bash
# velkorctl trunk against an emulated switch over veth: a group split by a VLAN is refused with
# nothing written; with VLANs off it is enabled, its members reset, and their settings then locked.
# usage: trunk.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

start_sim --switch QX-F16A,mac=02:10:00:00:00:04

trunk() { expect_exit "$1" in_host "$CTL" trunk "${@:2}" --password vemix --json; }
expect_line() {
  grep -qF -- "$1" <<<"$OUT" || fail "trunk shows no $1 in: $OUT"
}

# The factory port-based table splits every group: refused, and the group stays off.
trunk 9 enable 10 --yes
trunk 0
expect_line '{"group": 3, "ports": "9,10,11,12", "enabled": "no", "error": "no"}'

expect_exit 0 in_host "$CTL" vlan mode off --yes --password vemix
expect_exit 0 in_host "$CTL" port-set 11 --flow off --password vemix
expect_exit 0 in_host "$CTL" ports --password vemix --json
paused_off="$(grep -F '"port": "11"' <<<"$OUT")"
# Enabling resets the members and soft-resets the switch, so it asks; only --yes confirms.
trunk 8 enable 10
trunk 0 enable 10 --yes
expect_line '{"group": 3, "ports": "9,10,11,12", "enabled": "yes", "error": "no"}'
expect_exit 0 in_host "$CTL" ports --password vemix --json
member="$(grep -F '"port": "11"' <<<"$OUT")"
grep -qF '"trunk": "Trunk 3"' <<<"$member" || fail "port 11 is not shown in group 3: $member"
[[ "$member" != "$paused_off" ]] || fail "port 11 kept its settings: $member"
expect_exit 9 in_host "$CTL" port-set 11 --state off --password vemix
echo "trunk: ok"
