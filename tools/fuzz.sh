#!/usr/bin/env bash
# The sanitizer stage: builds everything with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, runs the unit and integration tests under them,
# then runs every fuzz target for FUZZ_SECONDS (15) on its seed corpus. Any crash, leak or
# sanitizer report, or a target that does not run, fails the stage. The README ("Fuzzing and
# sanitizers") says how to run one for hours.
source "$(dirname "$0")/common.sh"
install_packages
install_packages clang libclang-rt-14-dev
FUZZ_BUILD="$ROOT/build-fuzz"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON
cmake --build "$FUZZ_BUILD" -j 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$ROOT/tests/fuzz/lsan.supp"
ctest --test-dir "$FUZZ_BUILD" -L 'unit|integration' --output-on-failure -j 2
for target in "$FUZZ_BUILD"/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    found=$(mktemp -d)
    output=$(mktemp)
    echo "== $name"
    status=0
    "$target" -max_total_time="${FUZZ_SECONDS:-15}" -print_final_stats=1 -artifact_prefix="$found/" \
        "$found" "$ROOT/tests/fuzz/corpus/$name" >"$output" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|==|SUMMARY|Done)' "$output" || true
    # A crash, leak, time-out or running out of memory leaves its input behind; a target that
    # could not run at all leaves only its status.
    artifacts=$(ls "$found"/crash-* "$found"/leak-* "$found"/timeout-* "$found"/oom-* 2>/dev/null || true)
    if [ "$status" -ne 0 ] || [ -n "$artifacts" ]; then
        tail -n 40 "$output"
        echo "$name found a fault (exit status $status): $artifacts"
        exit 1
    fi
    rm -rf "$found" "$output"
done
