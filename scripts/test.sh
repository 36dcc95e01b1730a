#!/usr/bin/env bash
# The one test command. Installs what is missing, then:
#   1. builds Morvel in ./build and runs every test there;
#   2. builds it again in ./build-asan with AddressSanitizer and UndefinedBehaviorSanitizer
#      and runs every test there but the install check, any sanitizer report failing its test;
#   3. builds the fuzz targets with clang in ./build-fuzz and runs each for FUZZ_SECONDS
#      seconds (default 20).
# Every part runs even when an earlier one failed. The last line counts the tests of both
# builds and the fuzz targets as "N passed, M failed"; the exit status is non-zero when
# anything failed (a build that fails counts as one failure).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
fuzz_seconds=${FUZZ_SECONDS:-20}
started=$SECONDS
passed=0
failed=0
parts_failed=()

part_failed() {
  failed=$((failed + ${2:-1}))
  parts_failed+=("$1")
}

# Runs ctest in a build folder and adds its counts from ctest's closing line.
run_ctest() {
  local name=$1 dir=$2 log rc line total broken
  shift 2
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure --parallel 2 --timeout 600 --no-tests=error "$@") 2>&1 |
    tee "$log"
  rc=${PIPESTATUS[0]}
  line=$(grep -E '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  rm -f "$log"
  if [ -z "$line" ]; then
    part_failed "$name (ctest ran no tests)"
    return
  fi
  broken=$(sed -E 's/.* ([0-9]+) tests? failed out of [0-9]+.*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - broken))
  if [ "$broken" -gt 0 ]; then
    part_failed "$name" "$broken"
  elif [ "$rc" -ne 0 ]; then
    part_failed "$name (ctest exit $rc)"
  fi
}

echo "== Installing what is missing"
if ! scripts/deps.sh test; then
  part_failed "installing packages"
fi

echo "== Normal build"
if scripts/build.sh; then
  run_ctest "tests" build
else
  part_failed "normal build"
fi

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
if BUILD_DIR=build-asan scripts/build.sh -DMORVEL_SANITIZE=ON -DMORVEL_BUILD_BENCHMARKS=OFF; then
  # Any report ends the test with a failure. Leaks are reported too, except the ones known
  # inside third-party libraries (tests/lsan.supp).
  export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1:check_initialization_order=1
  export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  run_ctest "sanitizer tests" build-asan -LE install
  unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
else
  part_failed "sanitizer build"
fi

echo "== Fuzzing, ${fuzz_seconds}s per target"
fuzz_log=$(mktemp)
scripts/fuzz.sh "$fuzz_seconds" 2>&1 | tee "$fuzz_log"
fuzz_passed=$(grep -c -E '^fuzz [a-z_]+: passed' "$fuzz_log")
fuzz_failed=$(grep -c -E '^fuzz [a-z_]+: FAILED' "$fuzz_log")
rm -f "$fuzz_log"
passed=$((passed + fuzz_passed))
if [ "$fuzz_failed" -gt 0 ]; then
  part_failed "fuzzing" "$fuzz_failed"
elif [ "$fuzz_passed" -eq 0 ]; then
  part_failed "fuzzing (no target ran)"
fi

echo
echo "== Done in $((SECONDS - started))s"
if [ ${#parts_failed[@]} -gt 0 ]; then
  printf 'Failed: %s\n' "${parts_failed[@]}"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
