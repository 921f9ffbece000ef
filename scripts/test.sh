#!/usr/bin/env bash
# Builds and runs every test: a normal build, an AddressSanitizer + UndefinedBehaviorSanitizer
# build, and a ThreadSanitizer build of the tests that exercise the two threads.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Checks that need no build: the code matches .clang-format, and includes point down the layers.
echo "=== checks: format and layers"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
scripts/check-layers.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
# die_after_fork=0: QProcess forks the simulator from a program that already runs the worker
# thread; the child only execs, which ThreadSanitizer cannot tell from a child that goes on.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tests/tsan.supp

stage() {  # stage NAME CTEST_ARGS -- CMAKE_ARGS...
  local name=$1 ctest_args=$2; shift 3
  echo "=== ${name}: configure and build"
  cmake -S . -B "build/${name}" -G Ninja -DTARVIX_WERROR=ON "$@" >/dev/null
  cmake --build "build/${name}" -j "$jobs"
  echo "=== ${name}: test"
  # shellcheck disable=SC2086
  ctest --test-dir "build/${name}" --output-on-failure -j "$jobs" $ctest_args
}

stage release "" -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage asan "" -- -DCMAKE_BUILD_TYPE=Debug -DTARVIX_SANITIZE=address,undefined
# ThreadSanitizer maps memory at fixed places; kernels with 32-bit mmap randomisation break
# that, so the stage runs under setarch -R (no randomisation) where available.
tsan_prefix=()
command -v setarch >/dev/null && tsan_prefix=(setarch "$(uname -m)" -R)
echo "=== tsan: configure and build"
cmake -S . -B build/tsan -G Ninja -DTARVIX_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
      -DTARVIX_SANITIZE=thread >/dev/null
cmake --build build/tsan -j "$jobs" --target tsan_tests
echo "=== tsan: test"
"${tsan_prefix[@]}" ctest --test-dir build/tsan --output-on-failure -j "$jobs" -L threads
# A bounded fuzzing run over the answer classifier (what comes from the line).
fuzzer_rt=$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null || true)
if command -v clang++ >/dev/null && [ -f "$fuzzer_rt" ]; then
  echo "=== fuzz: build and run for 20 s"
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTARVIX_BUILD_FUZZERS=ON -DTARVIX_BUILD_TESTS=OFF >/dev/null
  cmake --build build/fuzz -j "$jobs" --target fuzz_answer
  build/fuzz/bin/fuzz_answer -max_total_time=20 -print_final_stats=0 2>&1 | tail -n 3
else
  echo "=== fuzz: skipped (no clang with its libFuzzer runtime)"
fi
echo "All test stages passed."
