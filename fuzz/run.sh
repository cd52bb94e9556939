#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers, then runs each one
# for SECONDS (default 15) from its seed corpus in fuzz/corpus/. A crash, a
# sanitizer report, a failed property, a leak or an input slower than the
# time limit fails the script; the input is kept as an artifact to replay:
#   build-fuzz/fuzz/fuzz-TARGET ARTIFACT
#   fuzz/run.sh [SECONDS-PER-TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-15}
# Absolute, since a target may work in a folder of its own.
build=$root/build-fuzz
targets=(text-to-integer gb18030 body-lines scenario-reader)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUENVALLE_SANITIZE=ON -DQUENVALLE_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzzers

artifacts=$build/fuzz/artifacts
failed=()
for target in "${targets[@]}"; do
    # New inputs go to the first folder, so the seeds in the tree stay as
    # they are; what was found is dropped with the run.
    found=$(mktemp -d)
    mkdir -p "$artifacts/$target"
    echo "== fuzz-$target for ${seconds}s"
    if ! "$build/fuzz/fuzz-$target" "$found" "$root/fuzz/corpus/$target" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
            -artifact_prefix="$artifacts/$target/" -print_final_stats=1 2>"$build/fuzz/$target.log"; then
        tail -n 40 "$build/fuzz/$target.log" >&2
        failed+=("$target")
    else
        grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$build/fuzz/$target.log" || true
    fi
    rm -rf "$found"
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]} (inputs in $artifacts/)" >&2
    exit 1
fi
echo "fuzzing: ${#targets[@]} passed, 0 failed"
