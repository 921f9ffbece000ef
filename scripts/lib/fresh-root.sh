# Shared by fresh-check.sh and deb-check.sh: the cached minimal Debian 12 root, a fresh copy
# of it for each check, and the mounts a check needs, always undone. Source it after setting
# check_name, top, base, root and mirror.
# shellcheck shell=bash

started=$(date +%s)
mounted=()

say() { printf '=== %s: %s\n' "$check_name" "$*"; }
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

# The minimal root (debootstrap --variant=minbase bookworm), made once under $base.
make_base() {
  if [ -x "$base/bin/bash" ]; then
    say "cached at $base"
    return
  fi
  if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap \
      || fail "installing debootstrap on the host"
  fi
  mkdir -p "$(dirname "$base")"
  rm -rf "$base.partial"
  debootstrap --variant=minbase bookworm "$base.partial" "$mirror" >"$top/build/fresh-debootstrap.log" 2>&1 \
    || { tail -n 20 "$top/build/fresh-debootstrap.log"; fail "debootstrap (log: build/fresh-debootstrap.log)"; }
  # The security suite, as a bare installation from the Debian 12 installer has it.
  printf 'deb %s bookworm main\ndeb %s bookworm-updates main\ndeb http://deb.debian.org/debian-security bookworm-security main\n' \
    "$mirror" "$mirror" >"$base.partial/etc/apt/sources.list"
  mv "$base.partial" "$base"
  say "made $base"
}

# $root becomes a fresh copy of $base with the host's name resolution.
fresh_copy() {
  # A check stopped hard (power, kill -9) may have left mounts behind: never delete through them.
  local m
  for m in dev/pts dev proc; do
    mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m"
  done
  if grep -q " $root/" /proc/mounts; then fail "something is still mounted under $root"; fi
  rm -rf "$root"
  cp -a "$base" "$root" || fail "copying the cached root"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# /proc, /dev and /dev/pts inside the root (the pseudo-terminal tests and Xvfb need them).
mount_root() {
  step_mount "$root/proc" -t proc proc || fail "mounting /proc"
  step_mount "$root/dev" --bind /dev || fail "mounting /dev"
  step_mount "$root/dev/pts" --bind /dev/pts || fail "mounting /dev/pts"
}
