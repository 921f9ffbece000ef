#!/usr/bin/env bash
# Sets up what is missing, builds Tarvix and runs it against the built-in simulated
# transmitter: the simulator serves a pseudo-terminal, the program talks to it, and the
# simulator stops when the program ends.
#   scripts/run.sh                 read the main process values through tarvix-cli
#   scripts/run.sh read 300 12     any tarvix-cli command (the port option is added)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target tarvix-cli tarvix-sim

workdir=$(mktemp -d)
link="$workdir/transmitter"
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT INT TERM

"$build/bin/tarvix-sim" --link "$link" --address 1 --baud 115200 >"$workdir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done
[ -e "$link" ] || { cat "$workdir/sim.log" >&2; echo "the simulator did not start" >&2; exit 1; }
echo "Simulated transmitter on $link (address 1, 115200 baud)"

if [ $# -eq 0 ]; then
  set -- read 300 12
  echo "Reading the main process values (registers 300-311) ..."
fi
"$build/bin/tarvix-cli" "$1" --port "$link" --address 1 --baud 115200 "${@:2}"
