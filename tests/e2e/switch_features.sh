#!/usr/bin/env bash
# velkorctl qos, mirror and password against an emulated switch over veth: priority by 802.1p at
# 8:1, a mirror port with two mirrored ports, a password change and a login with the new password.
# usage: switch_features.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

start_sim --switch QX-F16A,mac=02:10:00:00:00:04

ctl() { expect_exit 0 in_host "$CTL" "$@" --password vemix --json; }
expect_line() {
  grep -qF -- "$1" <<<"$OUT" || fail "no $1 in: $OUT"
}

ctl qos --source 802.1p --ratio 8:1
expect_line '{"kind": "qos", "source": "802.1p", "ratio": "8:1"}'
expect_exit 9 in_host "$CTL" qos-port 3 high --password vemix

# A mirror port is asked about; only --yes confirms without a terminal.
expect_exit 8 in_host "$CTL" mirror-port 5 on --password vemix
ctl mirror-port 5 on --yes
ctl mirror-rx 6,7 on
ctl mirror-tx 6 on
expect_exit 9 in_host "$CTL" mirror-rx 5 on --password vemix
ctl mirror
expect_line '{"port": "5", "mirror": "on", "rx": "off", "tx": "off"}'
expect_line '{"port": "6", "mirror": "off", "rx": "on", "tx": "on"}'
expect_line '{"port": "7", "mirror": "off", "rx": "on", "tx": "off"}'

printf 'n3w-pw\n' >"$WORK_DIR/new-password"
expect_exit 0 in_host "$CTL" password --password vemix --new-password-file - --yes <"$WORK_DIR/new-password"
expect_exit 8 in_host "$CTL" info --password vemix
expect_exit 0 in_host env VELKOR_PASSWORD=n3w-pw "$CTL" info
expect_exit 0 in_host "$CTL" info --password-file "$WORK_DIR/new-password"
# QoS and mirroring are still as set: nothing above touched them.
expect_exit 0 in_host "$CTL" qos --password n3w-pw --json
expect_line '"source": "802.1p", "ratio": "8:1"'
echo "switch features: ok"
