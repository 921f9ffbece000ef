#!/usr/bin/env bash
# Proves that the Debian package installs and runs on a bare Debian 12: the package alone is
# installed with apt into a fresh copy of the minimal root that scripts/fresh-check.sh keeps,
# so apt must find every library it needs from its Depends line.
#
#   scripts/deb-check.sh               package build/release (configured and built if needed)
#   scripts/deb-check.sh BUILD_DIR     package another release build
#   scripts/deb-check.sh FILE.deb      check a package made elsewhere
#
# In the root it then runs tarvix-cli --help and tarvix-sim --help, reads the device address
# from the installed simulator with the installed tarvix-cli, and starts tarvix under Xvfb as
# a normal user and as root, ending it with SIGTERM as a logout would: each time the program's
# files must land in that user's data folder (~/.local/share/Tarvix/Tarvix), never beside the
# executable in /usr/bin. Needs root (chroot and mounts) and access to Debian's archive.
# The package is built niced (the build is the heavy part); the build tree is the working
# tree, uncommitted changes included.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD

if [ "$(id -u)" -ne 0 ]; then
  echo "deb-check: run as root (it uses mount and chroot)" >&2
  exit 2
fi

base=$top/build/fresh/base
root=$top/build/fresh/deb-root
mirror=${FRESH_CHECK_MIRROR:-http://deb.debian.org/debian}
check_name=deb-check
# shellcheck source=scripts/lib/fresh-root.sh
source "$top/scripts/lib/fresh-root.sh"

in_root() {  # in_root COMMAND: a shell command inside the root, as root, with a clean environment
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive /bin/bash -c "cd /tmp && $1"
}

say "step 1: the package"
case "${1:-build/release}" in
  *.deb)
    deb=$(realpath "$1") || fail "no package $1"
    ;;
  *)
    build=$(realpath -m "${1:-build/release}")
    if [ ! -f "$build/CMakeCache.txt" ]; then
      launcher=()
      command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
      cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIX_WERROR=ON \
        "${launcher[@]}" >/dev/null || fail "configure $build"
    else
      # cpack reads the package settings the last configure wrote, before it builds anything:
      # configure again, or a changed package field (a new Recommends) is not in the package.
      cmake "$build" >/dev/null || fail "configure $build"
    fi
    git diff --quiet HEAD 2>/dev/null || say "note: the working tree has uncommitted changes; they are packaged"
    # cpack builds what is not built yet; niced, as the machine is shared.
    rm -f "$build"/tarvix_*.deb
    (cd "$build" && nice -n 10 cpack -G DEB >"$build/cpack.log" 2>&1) \
      || { tail -n 20 "$build/cpack.log"; fail "cpack -G DEB (log: $build/cpack.log)"; }
    deb=$(ls "$build"/tarvix_*.deb 2>/dev/null | head -n 1)
    [ -n "$deb" ] || fail "cpack made no tarvix_*.deb"
    ;;
esac
say "package $(basename "$deb"): $(stat -c %s "$deb") bytes"
say "Installed-Size: $(dpkg-deb -f "$deb" Installed-Size) KiB"
say "Depends: $(dpkg-deb -f "$deb" Depends)"
# Nothing but the programs and their desktop files: no tests, helpers or benchmarks.
unexpected=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' |
  grep -Ev '^\./usr/(bin/tarvix(-cli|-sim)?|share/(applications|metainfo|icons/hicolor|man/man1|tarvix)/)')
[ -z "$unexpected" ] || { echo "$unexpected"; fail "files the package should not hold"; }

say "step 2: fresh copy of the minimal Debian 12 root"
make_base
fresh_copy
cp "$deb" "$root/tmp/" || fail "copying the package into the root"
mount_root

say "step 3: apt-get install ./$(basename "$deb") (the package alone)"
in_root "apt-get update -q >/dev/null && nice -n 10 apt-get install -y -q ./$(basename "$deb")" \
  || fail "apt-get install of the package"

say "step 4: tarvix-cli --help and tarvix-sim --help; the installed companions talk to each other"
in_root "tarvix-cli --help | head -n 3 && tarvix-sim --help | head -n 3" || fail "--help"
in_root "tarvix-sim --link /tmp/line --seed 1 >/tmp/sim.out & sim=\$!
         for i in \$(seq 50); do [ -e /tmp/line ] && break; sleep 0.1; done
         tarvix-cli get --port /tmp/line DevAddr; status=\$?; kill \$sim; wait \$sim; exit \$status" \
  || fail "tarvix-cli reading the installed simulator"

say "step 5: xvfb (installed after the package, so it cannot have supplied the program's libraries)"
in_root "nice -n 10 apt-get install -y -q --no-install-recommends xvfb xauth >/dev/null" \
  || fail "installing xvfb"
in_root "mkdir -p -m 1777 /tmp/.X11-unix && useradd -m engineer" || fail "adding the user engineer"

# Starts tarvix under Xvfb as USER, ends it with SIGTERM after a few seconds and checks where
# its journal went.
run_program() {  # run_program USER HOME
  local user=$1 home=$2
  in_root "runuser -u $user -- /usr/bin/env -i HOME=$home PATH=/usr/bin:/bin LANG=C.UTF-8 \
             xvfb-run -a -s '-screen 0 1280x1024x24' sh -c 'tarvix & p=\$!; sleep 8; kill -TERM \$p; wait \$p'" \
    || return 1
  in_root "data=$home/.local/share/Tarvix/Tarvix
           ls \$data/Logs/*.txt >/dev/null || { echo 'no journal in '\$data; exit 1; }
           iconv -f CP1251 -t UTF-8 \$data/Logs/*.txt | tr -d '\\r' | grep -v '^\$' | tail -n 1
           iconv -f CP1251 -t UTF-8 \$data/Logs/*.txt | grep -q 'Завершение программы' \
             || { echo 'the journal has no closing line'; exit 1; }
           extra=\$(ls -A /usr/bin | grep -i -e '^Tarvix.ini' -e '^Logs' -e '^IndicatorLogs' -e '^\.tarvix')
           [ -z \"\$extra\" ] || { echo \"left in /usr/bin: \$extra\"; exit 1; }
           echo \"$user: files in \$data\""
}

say "step 6: tarvix under Xvfb as the normal user engineer"
run_program engineer /home/engineer || fail "tarvix as engineer"

say "step 7: tarvix under Xvfb as root (/usr/bin is writable for root, the files still go to its data folder)"
run_program root /root || fail "tarvix as root"

unmount_all
say "PASSED: $(basename "$deb") installs and runs on a bare Debian 12 root in $(($(date +%s) - started)) s"
