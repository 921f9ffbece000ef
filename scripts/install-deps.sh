#!/usr/bin/env bash
# Installs the Debian packages Tarvix needs to build, run and test, when they are missing.
# Runs as root, or through sudo for a normal user. A machine that has them all is left alone.
set -euo pipefail

# Debian installs without recommends here, so every package a configure step looks for is named,
# even where another package would usually pull it in (Qt UiTools needs Qt OpenGL Widgets).
packages=(
  # toolchain, the sanitizer and fuzzer runtime, the format check
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format pkg-config git
  # Qt 6: widgets, charts, serial port enumeration, the Windows-1251 codec, UiTools, Linguist
  qt6-base-dev qt6-charts-dev qt6-serialport-dev qt6-5compat-dev libqt6opengl6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
  # the system's own messages (a port that cannot be opened) in Russian
  libc-l10n
  # tests and benchmarks; libmodbus, socat and mbpoll are the interoperability peers
  libgtest-dev libgmock-dev libbenchmark-dev
  libmodbus-dev socat mbpoll
  # a display for the program and its screenshots on a machine without one; Debian packaging
  xvfb xauth dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
