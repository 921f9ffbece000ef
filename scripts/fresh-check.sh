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
check_name=fresh-check
# shellcheck source=scripts/lib/fresh-root.sh
source "$top/scripts/lib/fresh-root.sh"

say "step 1: minimal Debian 12 root"
make_base

say "step 2: fresh copy of the root and a clean export of HEAD"
fresh_copy
mkdir -p "$root/src"
git archive --format=tar HEAD | tar -x -C "$root/src" || fail "git archive of HEAD"
if ! git diff --quiet HEAD 2>/dev/null; then
  say "note: the working tree has uncommitted changes; the check uses HEAD only"
fi

say "step 3: mount /proc, /dev and /dev/pts (the pseudo-terminal tests need them)"
mount_root

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
