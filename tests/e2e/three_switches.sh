#!/usr/bin/env bash
# velkorctl against three emulated switches, one cascaded behind another: discovery, register and
# EEPROM access, and what the requests look like on the wire.
# usage: three_switches.sh VELKORCTL SWITCHSIM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
segment_with_emulator "$@"

first=02:10:00:00:00:01
second=02:10:00:00:00:02
cascaded=02:10:00:00:00:03
start_sim --switch QX-F16A,mac=$first --switch QX-F8A,mac=$second --switch QX-G17A,mac=$cascaded,parent=0:3
start_capture

expect_exit 0 in_host "$CTL" discover --json
[ "$(echo "$OUT" | grep -c '"mac"')" -eq 3 ] || fail "expected three hello records: $OUT"
echo "$OUT" | grep -q "\"mac\": \"$cascaded\", \"model\": \"QX-G17A\", \"model_code\": 4, \"port\": 0, \"upstream\": \"$first\", \"upstream_port\": 3" ||
  fail "the cascaded switch is not behind port 3 of the first: $OUT"
echo "$OUT" | grep -q "\"mac\": \"$second\", \"model\": \"QX-F8A\", .*\"upstream\": \"00:00:00:00:00:00\"" ||
  fail "the second switch is not attached directly: $OUT"

expect_exit 2 in_host "$CTL" get 0x0207
expect_exit 5 in_host "$CTL" get 0x0207 --switch 02:10:00:00:00:09

expect_exit 0 in_host "$CTL" get 0x0208 --switch $first --password vemix --json
echo "$OUT" | grep -q '^{"register": "0x0208", "value": "0x' || fail "get printed $OUT"
expect_exit 0 in_host "$CTL" set 0x030C 0x1234 --switch $first --password vemix
expect_exit 0 in_host "$CTL" get 0x030C --switch $first --password vemix
[ "$OUT" = $'register: 0x030C\nvalue: 0x1234' ] || fail "the written register reads $OUT"

# The MAC stored in the EEPROM, read byte by byte through the control register's busy bit.
expect_exit 0 in_host "$CTL" eeprom-get 0x012 6 --switch $cascaded --password vemix --json
echo "$OUT" | grep -q '"bytes": "02 10 00 00 00 03"' || fail "the EEPROM MAC reads $OUT"
expect_exit 0 in_host "$CTL" eeprom-set 0x200 0x41 0x42 --switch $second --password vemix
expect_exit 0 in_host "$CTL" eeprom-get 0x200 2 --switch $second --password vemix --json
echo "$OUT" | grep -q '"offset": "0x200", "bytes": "41 42", "text": "AB"' || fail "the written EEPROM bytes read $OUT"
stop_capture

request="eth.src == $HOST_MAC && rrcp.reply == 0 && rrcp.authkey == 0x5c3a && frame.len == 60"
# The dissector shows the address bytes in wire order: 0x0208 travels as 08 02.
expect_frame "$request && eth.dst == $first && rrcp.opcode == 1 && rrcp.regaddr == 0x0802 && frame[18:2] == 08:02"
expect_frame "eth.dst == $HOST_MAC && eth.src == $first && rrcp.opcode == 1 && rrcp.reply == 1 && rrcp.regaddr == 0x0802"
expect_frame "$request && rrcp.opcode == 2 && rrcp.regaddr == 0x0c03 && frame[20:4] == 34:12:00:00"
expect_frame "eth.src == $cascaded && rrcp.opcode == 0 && rrcp.reply == 1 && rrcp.hello_reply.uplink_mac == $first"
# EEPROM reads: the command 0x0812 (read bit and address 0x012) into 0x0217, and polls that saw
# the busy bit set before the data register was read.
expect_frame "$request && eth.dst == $cascaded && rrcp.opcode == 2 && rrcp.regaddr == 0x1702 && frame[20:2] == 12:08"
expect_frame "eth.src == $cascaded && rrcp.reply == 1 && rrcp.regaddr == 0x1702 && frame[21] & 0x10"
expect_frame "$request && eth.dst == $cascaded && rrcp.opcode == 1 && rrcp.regaddr == 0x1802"
[ "$(count_frames "$request && rrcp.opcode > 2")" -eq 0 ] || fail "a request with an unknown opcode was sent"

# A switch that answers the hello but no longer its gets cannot even be logged in to: an error,
# never a value of 0.
stop_sim
start_sim --switch QX-F16A,mac=$first --fault 0:lose,only=get
expect_exit 8 in_host "$CTL" get 0x0207 --password vemix
[ -z "$OUT" ] || fail "a lost reply printed $OUT"
echo "three switches: ok"
