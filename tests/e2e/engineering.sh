#!/usr/bin/env bash
# velkorctl's engineering commands against an emulated switch: a MAC address set with set-mac is
# the one the switch answers with after a power cycle, and an image burnt into the EEPROM is what
# the switch comes up with.
# usage: engineering.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

# Inside the segment's work folder, which its EXIT trap removes with the namespaces.
files="$WORK_DIR"
start_sim --switch QX-F8A,mac=02:10:00:00:00:01

expect_exit 0 in_host "$CTL" chip --password vemix --json
case "$OUT" in *'"chip": "8324"'*) ;; *) fail "chip said $OUT" ;; esac

expect_exit 0 in_host "$CTL" set-mac 02:10:00:00:00:2A --password vemix --yes
power_cycle
expect_exit 0 in_host "$CTL" discover --json
case "$OUT" in *02:10:00:00:00:2A*) ;; *) fail "after the power cycle discover found $OUT" ;; esac

# The head of the EEPROM with another MAC address burnt back in (each byte costs some 30 ms, so not
# the whole EEPROM).
expect_exit 0 in_host "$CTL" eeprom-dump "$files/image.bin" --size 32 --password vemix
printf '\x3B' | dd of="$files/image.bin" bs=1 seek=$((0x17)) conv=notrunc status=none
expect_exit 0 in_host "$CTL" eeprom-burn "$files/image.bin" --password vemix --yes
power_cycle
expect_exit 0 in_host "$CTL" discover --json
case "$OUT" in *02:10:00:00:00:3B*) ;; *) fail "after the burn discover found $OUT" ;; esac
stop_sim
echo "engineering: ok"
