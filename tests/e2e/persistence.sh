#!/usr/bin/env bash
# velkorctl against an emulated switch that is power-cycled (SIGUSR1): what is saved survives, what
# is not is lost; the description needs no save; a factory reset needs a confirmation.
# usage: persistence.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

start_sim --switch QX-F8A,mac=02:10:00:00:00:01

expect_exit 0 in_host "$CTL" set 0x060A 0x0F0F --password vemix
expect_exit 0 in_host "$CTL" save --password vemix
power_cycle
expect_register 0x060A 0x0F0F

expect_exit 0 in_host "$CTL" set 0x060A 0x0A0A --password vemix
power_cycle
expect_register 0x060A 0x0F0F

expect_exit 0 in_host "$CTL" describe "机房 3" --password vemix
power_cycle
expect_exit 0 in_host "$CTL" describe --password vemix --json
[ "$OUT" = '{"description": "机房 3"}' ] || fail "the description reads $OUT"

# Without a terminal to ask, only --yes confirms.
expect_exit 8 in_host "$CTL" factory-reset --password vemix
expect_register 0x060A 0x0F0F
expect_exit 0 in_host "$CTL" factory-reset --password vemix --yes
expect_register 0x060A 0xAFAF
expect_exit 0 in_host "$CTL" describe --password vemix --json
[ "$OUT" = '{"description": ""}' ] || fail "the factory reset kept the description $OUT"
stop_sim

# The microcontroller model saves by itself; the command waits only until it has.
start_sim --switch QX-G26A,mac=02:10:00:00:00:02 --mcu-delay-ms 1500
expect_exit 0 in_host "$CTL" set 0x060A 0x0F0F
started=$SECONDS
expect_exit 0 in_host "$CTL" save
[ $((SECONDS - started)) -lt 30 ] || fail "the save waited $((SECONDS - started)) s"
power_cycle
expect_register 0x060A 0x0F0F
echo "persistence: ok"
