#!/usr/bin/env bash
# Runs the test command of the last commit on another Debian release, as a new
# user there would: in a minimal root of that release (debootstrap), with the
# packages the README's install step brings, in a network namespace of its own
# (Xvfb's sockets are shared within one). The root is kept between runs in
# QVUTT_DEBIAN_ROOTS (default /var/tmp/qvutt-debian) and made anew when it is
# missing or unfinished. As root.
#   usage: scripts/test-in-debian.sh SUITE        (for example: trixie)
# Exit status: that of the test command; 75 when a download failed (the
# packages could not be had), with one line that says so.
set -euo pipefail
trap 'echo "test-in-debian: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)
suite=${1:?usage: scripts/test-in-debian.sh SUITE}
[ "$(id -u)" -eq 0 ] || { echo "test-in-debian: run as root (debootstrap, chroot)" >&2; exit 1; }
root=${QVUTT_DEBIAN_ROOTS:-/var/tmp/qvutt-debian}/$suite
log=$repo/build/debian-$suite.log
mkdir -p build
: >"$log"

download_failed() {
  echo "Debian $suite pass skipped: $1 could not download its packages (last lines of $log:)"
  tail -n 5 "$log" | sed 's/^/  /'
  exit 75
}

# The mirror this machine's own apt uses.
mirror() {
  cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    sed -n 's/^URIs: *\([^ ]*\).*/\1/p; s/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' |
    head -n 1 || true
}

# Runs a command in the root, with /dev, /proc and /sys inside it for as long
# as it runs; with --own-network, in a network namespace of its own that has
# only a loopback.
in_root() {
  local network=()
  if [ "$1" = --own-network ]; then network=(--net); shift; fi
  unshare --mount --fork "${network[@]}" bash -c '
    set -e
    root=$1; shift
    mount --rbind /dev "$root/dev"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    ip link set lo up 2>/dev/null || true
    exec chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
      NODE_EXTRA_CA_CERTS=/etc/qvutt-machine-ca-certificates.crt CI="${CI:-}" "$@"' \
    in_root "$root" "$@"
}

started=$SECONDS
if [ ! -f "$root/.qvutt-root-ready" ]; then
  command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >>"$log" 2>&1 ||
    download_failed "apt-get (debootstrap)"
  source_mirror=$(mirror)
  [ -n "$source_mirror" ] || { echo "test-in-debian: no Debian mirror in /etc/apt" >&2; exit 1; }
  rm -rf "$root"
  mkdir -p "$root"
  echo "making a Debian $suite root in $root"
  debootstrap --variant=minbase --include=git,iproute2 "$suite" "$root" "$source_mirror" \
    >>"$log" 2>&1 || download_failed debootstrap
  touch "$root/.qvutt-root-ready"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The machine's own trust, as its own mirror: where its network inspects TLS
# (the npm registry's), the root's Node.js trusts what the machine trusts.
cp /etc/ssl/certs/ca-certificates.crt "$root/etc/qvutt-machine-ca-certificates.crt" 2>/dev/null ||
  true
echo "Debian $suite root ready after $((SECONDS - started)) s"

# The last commit, as a fresh clone would have it.
rm -rf "$root/work/qvutt"
mkdir -p "$root/work"
git clone -q --no-local "$repo" "$root/work/qvutt"
git -C "$root/work/qvutt" checkout -q "$(git rev-parse HEAD)"

in_root bash /work/qvutt/scripts/install-deps.sh >>"$log" 2>&1 ||
  download_failed "scripts/install-deps.sh"
echo "Debian $suite packages installed after $((SECONDS - started)) s"

status=0
in_root --own-network bash -c 'cd /work/qvutt && bash scripts/test.sh' || status=$?
echo "Debian $suite pass: test command exited $status after $((SECONDS - started)) s"
exit "$status"
