#!/usr/bin/env bash
# Builds the fuzz targets with clang in ./build-fuzz and runs each for a bounded time on a
# temporary copy of its seed corpus (fuzz/corpus/TARGET), with its dictionary (TARGET.dict).
#   scripts/fuzz.sh [seconds per target]        (default 20)
# Prints "fuzz TARGET: passed" or "fuzz TARGET: FAILED" for each, and exits non-zero if the
# build or any target failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}
build_dir=$root/${FUZZ_BUILD_DIR:-build-fuzz}
targets=(fuzz_amounts fuzz_return)

if ! { CC=clang CXX=clang++ cmake -S fuzz -B "$build_dir" >/dev/null &&
       cmake --build "$build_dir" --parallel "$(nproc)" >"$build_dir/build.log" 2>&1; }; then
  tail -40 "$build_dir/build.log" 2>/dev/null
  for target in "${targets[@]}"; do echo "fuzz $target: FAILED (build)"; done
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "${targets[@]}"; do
  mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
  cp fuzz/corpus/"$target"/* "$work/$target/corpus/"
  log=$work/$target/log
  if (cd "$work/$target" &&
      QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      "$build_dir/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -dict="$root/fuzz/$target.dict" -artifact_prefix="$work/$target/artifacts/" \
        -print_final_stats=1 corpus) >"$log" 2>&1; then
    echo "fuzz $target: passed ($(sed -n 's/^stat::number_of_executed_units: *//p' "$log") inputs in ${seconds}s)"
  else
    status=1
    echo "fuzz $target: FAILED"
    grep -v -E '^#[0-9]+' "$log" | tail -40
    for artifact in "$work/$target/artifacts"/*; do
      [ -e "$artifact" ] || continue
      echo "failing input, base64: $(base64 -w0 "$artifact")"
      echo "  to replay: echo THAT | base64 -d >input && ${build_dir#"$root"/}/$target input"
    done
  fi
done
exit $status
