# Installs what is missing and builds the programs into build/. Source this file.
VELKOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
VELKOR_BUILD=$VELKOR_ROOT/build

velkor_build() {
  bash "$VELKOR_ROOT/scripts/setup"
  cmake -S "$VELKOR_ROOT" -B "$VELKOR_BUILD" -G Ninja -DVELKOR_GUI=ON >/dev/null
  cmake --build "$VELKOR_BUILD" -j"$(nproc)" --target velkor-manager velkor-switchsim velkorctl
}

# The demo's segment: a QX-F16A, a QX-F8A cascaded behind its port 5, a QX-G26A, and a switch with
# model code 5, which lists as unknown; every port linked and carrying traffic to count.
VELKOR_DEMO_SWITCHES=(
  --switch 1,mac=00:E0:4C:16:00:01
  --switch 2,mac=00:E0:4C:08:00:02,parent=0:5
  --switch 6,mac=00:E0:4C:26:00:03
  --switch 5,mac=00:E0:4C:17:00:04
  --links-up --traffic 1000
)
