#!/usr/bin/env bash
# velkorctl export and import against an emulated switch: a setting changed after the export is
# back after the import and a power cycle; a corrupted file changes nothing.
# usage: config_file.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

# Inside the segment's work folder, which its EXIT trap removes with the namespaces.
files="$WORK_DIR"
start_sim --switch QX-F8A,mac=02:10:00:00:00:01

expect_exit 0 in_host "$CTL" set 0x060A 0x0F0F --password vemix
expect_exit 0 in_host "$CTL" save --password vemix
expect_exit 0 in_host "$CTL" export "$files/config.bin" --password vemix --json
[ "$OUT" = "{\"exported\": \"$files/config.bin\"}" ] || fail "export said $OUT"

expect_exit 0 in_host "$CTL" set 0x060A 0x0A0A --password vemix
expect_exit 0 in_host "$CTL" save --password vemix
expect_exit 8 in_host "$CTL" import "$files/config.bin" --password vemix
expect_register 0x060A 0x0A0A

# One byte changed without a new checksum.
cp "$files/config.bin" "$files/bad.bin"
printf '\x55' | dd of="$files/bad.bin" bs=1 seek=300 conv=notrunc status=none
expect_exit 9 in_host "$CTL" import "$files/bad.bin" --password vemix --yes
expect_register 0x060A 0x0A0A

expect_exit 0 in_host "$CTL" import "$files/config.bin" --password vemix --yes
power_cycle
expect_register 0x060A 0x0F0F
stop_sim
echo "config_file: ok"
