#!/usr/bin/env bash
# Proves that the package list is complete: builds and tests a clean export of HEAD inside a
# bare Debian 12 root, where nothing but the base system is installed.
#
#   scripts/fresh-check.sh            configure, build and run ctest (the normal build)
#   scripts/fresh-check.sh --run-only stop after the build (no tests)
#
# The minimal root (debootstrap --variant=minbase bookworm) is made once and kept under
# build/fresh/base; every check copies it to build/fresh/root, so nothing installed by an
# earlier check hides a missing package. Needs root (debootstrap, chroot and mounts) and the
# network access to Debian's archive that scripts/install-deps.sh needs anyway.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-check: run as root (it uses debootstrap, mount and chroot)" >&2
  exit 2
fi

base=$top/build/fresh/base
root=$top/build/fresh/root
mirror=${FRESH_CHECK_MIRROR:-http://deb.debian.org/debian}
only_build=0
[ "${1:-}" = --run-only ] && only_build=1
started=$(date +%s)
mounted=()

say() { printf '=== fresh-check: %s\n' "$*"; }
fail() {
  say "FAILED at step: $1 (after $(($(date +%s) - started)) s)"
  exit 1
}
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[$i]}" 2>/dev/null || true
  done
  mounted=()
}
trap unmount_all EXIT INT TERM

step_mount() {  # step_mount TARGET MOUNT-ARGS...
  local target=$1; shift
  mkdir -p "$target"
  mount "$@" "$target" || return 1
  mounted+=("$target")
}

say "step 1: minimal Debian 12 root"
if [ ! -x "$base/bin/bash" ]; then
  if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap \
      || fail "installing debootstrap on the host"
  fi
  rm -rf "$base.partial"
  debootstrap --variant=minbase bookworm "$base.partial" "$mirror" >"$top/build/fresh-debootstrap.log" 2>&1 \
    || { tail -n 20 "$top/build/fresh-debootstrap.log"; fail "debootstrap (log: build/fresh-debootstrap.log)"; }
  # The security suite, as a bare installation from the Debian 12 installer has it.
  printf 'deb %s bookworm main\ndeb %s bookworm-updates main\ndeb http://deb.debian.org/debian-security bookworm-security main\n' \
    "$mirror" "$mirror" >"$base.partial/etc/apt/sources.list"
  mv "$base.partial" "$base"
  say "made $base"
else
  say "cached at $base"
fi

say "step 2: fresh copy of the root and a clean export of HEAD"
# A check stopped hard (power, kill -9) may have left mounts behind: never delete through them.
for m in dev/pts dev proc; do
  mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m"
done
if grep -q " $root/" /proc/mounts; then fail "something is still mounted under $root"; fi
rm -rf "$root"
cp -a "$base" "$root" || fail "copying the cached root"
mkdir -p "$root/src"
git archive --format=tar HEAD | tar -x -C "$root/src" || fail "git archive of HEAD"
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
if ! git diff --quiet HEAD 2>/dev/null; then
  say "note: the working tree has uncommitted changes; the check uses HEAD only"
fi

say "step 3: mount /proc, /dev and /dev/pts (the pseudo-terminal tests need them)"
step_mount "$root/proc" -t proc proc || fail "mounting /proc"
step_mount "$root/dev" --bind /dev || fail "mounting /dev"
step_mount "$root/dev/pts" --bind /dev/pts || fail "mounting /dev/pts"

in_root() {  # in_root COMMAND: runs a shell command in /src inside the root
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen /bin/bash -c "cd /src && $1"
}

say "step 4: scripts/install-deps.sh"
in_root "scripts/install-deps.sh" || fail "scripts/install-deps.sh"

say "step 5: configure"
in_root "cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIX_WERROR=ON" \
  || fail "configure"

say "step 6: build"
in_root "cmake --build build/release -j $(nproc)" || fail "build"

if [ "$only_build" -eq 0 ]; then
  say "step 7: ctest"
  in_root "ctest --test-dir build/release --output-on-failure -j $(nproc)" || fail "ctest"
fi

unmount_all
say "PASSED on a bare Debian 12 root in $(($(date +%s) - started)) s"
