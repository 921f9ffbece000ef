#!/usr/bin/env bash
# Sets up what is missing, builds Tarvix and runs it against the built-in simulated
# transmitter: the simulator serves a pseudo-terminal, the program's settings name that
# line, and the simulator stops when the program ends. Choose "Режим" > "Онлайн" to connect.
#   scripts/run.sh                  the program's window
#   scripts/run.sh cli read 300 12  a tarvix-cli command against the simulator instead
# Without a display, run it as: xvfb-run -a scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# The window needs a display; say so before spending minutes on a build that Qt would then
# abort with a platform-plugin error.
if [ "${1:-}" != cli ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: run 'xvfb-run -a scripts/run.sh' for the window, or 'scripts/run.sh cli read 300 12' for the command line." >&2
  exit 1
fi
scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target tarvix tarvix-cli tarvix-sim

# The program keeps Tarvix.ini and its Logs beside its executable; the demo folder keeps
# them from one run to the next.
demo=build/demo
mkdir -p "$demo"
cp -f "$build/bin/tarvix" "$demo/"
[ -f "$build/bin/Tarvix.ENU" ] && cp -f "$build/bin/Tarvix.ENU" "$demo/"

workdir=$(mktemp -d)
link="$workdir/transmitter"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$workdir"
}
trap cleanup EXIT INT TERM

"$build/bin/tarvix-sim" --link "$link" --control "$workdir/control" --address 1 --baud 115200 \
  >"$workdir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 200); do [ -e "$link" ] && break; sleep 0.05; done
[ -e "$link" ] || { cat "$workdir/sim.log" >&2; echo "the simulator did not start" >&2; exit 1; }
echo "Simulated transmitter on $link (address 1, 115200 baud)."

if [ "${1:-}" = cli ]; then
  shift
  [ $# -gt 0 ] || set -- read 300 12
  exec_cmd=("$build/bin/tarvix-cli" "$1" --port "$link" --address 1 --baud 115200 "${@:2}")
  "${exec_cmd[@]}"
  exit $?
fi

# Point the settings at the simulator's line (the file is Windows-1251 with CR LF; these
# keys are plain ASCII, so editing them as text is safe).
ini="$demo/Tarvix.ini"
set_key() {  # set_key KEY VALUE in section [ComPort]
  if [ -f "$ini" ] && grep -qi "^\[ComPort\]" "$ini"; then
    if grep -qi "^$1=" "$ini"; then
      sed -i "s|^$1=.*|$1=$2\r|I" "$ini"
    else
      sed -i "/^\[ComPort\]/I a $1=$2\r" "$ini"
    fi
  else
    printf '[ComPort]\r\n%s=%s\r\n' "$1" "$2" >>"$ini"
  fi
}
set_key ComNumber "$link"
set_key Address 1
set_key BaudRate 115200
echo "Starting Tarvix; choose \"Режим\" > \"Онлайн\" to connect."
"$demo/tarvix"
