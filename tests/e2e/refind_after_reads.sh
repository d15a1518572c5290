#!/usr/bin/env bash
# Rediscovery after thousands of register reads, through real libpcap on a veth pair.
# usage: refind_after_reads.sh SWITCHSIM PROGRAM
set -euo pipefail
. "$(dirname "$0")/netns.sh"
require_netns
SWITCHSIM="$1"
make_segment
start_sim --switch QX-F16A
in_host "$2" "$HOST_IF"
