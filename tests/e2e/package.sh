#!/usr/bin/env bash
# The Debian package: built with CPack from the build tree, installed with dpkg into an empty root,
# and then used by an unprivileged user in the test namespace: the post-install step must have
# granted velkorctl the capture capabilities, so discover and info work without root.
# usage: package.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/netns.sh"
require_netns
BUILD=$1
USER_NAME=velkor-e2e
for tool in cpack dpkg dpkg-deb setcap getcap runuser useradd file; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
done

# A program whose file capabilities the bounding set cuts short is not run at all.
bounding=$((16#$(awk '/^CapBnd/ {print $2}' /proc/self/status)))
if [ $((bounding >> 12 & 3)) -ne 3 ]; then
  echo "skipped: cap_net_raw or cap_net_admin is outside the bounding set" >&2
  exit $SKIP
fi

make_segment
root=
created_user=
cleanup_package() {
  cleanup_segment
  [ -z "$root" ] || rm -rf "$root"
  [ -z "$created_user" ] || userdel "$USER_NAME" 2>/dev/null || true
  rm -rf "/tmp/runtime-$USER_NAME"  # Qt's stand-in for the user's missing runtime directory
}
trap cleanup_package EXIT

# File capabilities count only where set-user-ID programs may run: the root must not be on a nosuid
# mount, and the test user must be able to reach it.
for parent in /var/tmp /tmp "$BUILD"; do
  findmnt -n -o OPTIONS -T "$parent" | tr , '\n' | grep -qx nosuid && continue
  root=$(mktemp -d "$parent/velkor-root.XXXXXX")
  break
done
[ -n "$root" ] || { echo "skipped: every candidate directory is mounted nosuid" >&2; exit $SKIP; }
chmod 755 "$root"
pkg_dir="$WORK_DIR/package"

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$pkg_dir" >"$WORK_DIR/cpack.log" 2>&1 ||
  { cat "$WORK_DIR/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$pkg_dir"/*.deb)
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/velkorctl usr/bin/velkor-switchsim usr/share/man/man1/velkorctl.1.gz \
  usr/share/bash-completion/completions/velkorctl; do
  echo "$contents" | grep -q " \./$path\$" || fail "the package lacks $path"
done
gui=
if [ -x "$BUILD/src/app/velkor-manager" ]; then
  gui=1
  for path in usr/bin/velkor-manager usr/share/applications/velkor-manager.desktop \
    usr/share/icons/hicolor/scalable/apps/velkor-manager.svg; do
    echo "$contents" | grep -q " \./$path\$" || fail "the package lacks $path"
  done
fi
dpkg-deb -f "$deb" Depends | grep -q libpcap || fail "the package does not depend on libpcap"

# An empty root: the package's dependencies are the build machine's, which is all the programs use.
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/log"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-script-chrootless --force-depends -i "$deb" \
  >"$WORK_DIR/dpkg.log" 2>&1 || { cat "$WORK_DIR/dpkg.log" >&2; fail "dpkg could not install the package"; }
grep -q 'could not grant' "$WORK_DIR/dpkg.log" && { cat "$WORK_DIR/dpkg.log" >&2; fail "the post-install step failed"; }

CTL="$root/usr/bin/velkorctl"
SWITCHSIM="$root/usr/bin/velkor-switchsim"
for program in "$CTL" ${gui:+"$root/usr/bin/velkor-manager"}; do
  getcap "$program" | grep -q 'cap_net_admin,cap_net_raw=ep' || fail "$program has no capture capabilities"
done

id "$USER_NAME" >/dev/null 2>&1 || {
  useradd --system --no-create-home --shell /usr/sbin/nologin "$USER_NAME"
  created_user=1
}
as_user() { timeout 60 ip netns exec "$HOST_NS" runuser -u "$USER_NAME" -- "$@"; }

start_sim --switch QX-F24A,mac=02:24:00:00:00:01

# The same program without the capabilities is refused, so what follows proves the package's grant.
cp "$CTL" "$root/usr/bin/velkorctl-plain"
expect_exit 4 as_user "$root/usr/bin/velkorctl-plain" discover --iface "$HOST_IF"

expect_exit 0 as_user "$CTL" discover --iface "$HOST_IF" --json
echo "$OUT" | grep -q '"mac": "02:24:00:00:00:01", "model": "QX-F24A", "model_code": 3' || fail "discover printed $OUT"
expect_exit 0 as_user "$CTL" info --iface "$HOST_IF" --password vemix --json
echo "$OUT" | grep -q '"model": "QX-F24A"' || fail "info printed $OUT"

# The desktop program starts for the user too (Qt refuses set-user-ID programs, not capabilities)
# and is still running when it is ended.
if [ -n "$gui" ]; then
  expect_exit 124 as_user env QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/velkor-manager"
fi

# The completion offers the commands and each command's keywords; the manual lists the commands.
completion="$root/usr/share/bash-completion/completions/velkorctl"
complete_words() {
  bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _velkorctl; echo "${COMPREPLY[*]}"' \
    _ "$completion" "$@"
}
[ "$(complete_words velkorctl disc)" = discover ] || fail "completion of disc: $(complete_words velkorctl disc)"
[ "$(complete_words velkorctl vlan mode do)" = dot1q ] || fail "completion of vlan mode do"
[ "$(complete_words velkorctl port-set 1 --state o)" = "on off" ] || fail "completion of --state"
zcat "$root/usr/share/man/man1/velkorctl.1.gz" | grep -q '^\.B eeprom\\-burn$' || fail "the manual lacks eeprom-burn"
echo "package: ok"
