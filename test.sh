#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, in three phases that each print a header:
# the normal build and its tests; the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "asan", build-asan/, benchmarks left out); and short runs of
# every fuzz target from its seed corpus (preset "fuzz", clang, build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")"

timings=()
phase_name=""
phase_begin=0
end_phase() {
    if [[ -n $phase_name ]]; then
        timings+=("$(printf '%-46s %5d s' "$phase_name" $((SECONDS - phase_begin)))")
    fi
    phase_name=""
}
begin_phase() {
    end_phase
    phase_name="$1"
    phase_begin=$SECONDS
    printf '\n========== %s ==========\n' "$1"
}
ctest_closing_line() {
    grep -E '^[0-9]+% tests passed' "$1" | tail -n 1
}

begin_phase "Normal build and tests"
scripts/deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)" | tee build/ctest.log

begin_phase "Sanitizer build (ASan + UBSan) and tests"
cmake --preset asan >/dev/null
cmake --build build-asan --parallel "$(nproc)"
# Leak detection stays on (only the end-to-end session, on a real display, suppresses the display
# libraries' own leaks: tests/e2e/lsan.supp); any undefined behaviour stops the test that meets it
# (-fno-sanitize-recover).
UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" | tee build-asan/ctest.log

begin_phase "Fuzz build (clang, libFuzzer) and short runs"
cmake --preset fuzz >/dev/null
cmake --build build-fuzz --target fuzz_targets --parallel "$(nproc)"
fuzz/run.sh build-fuzz -runs=20000
end_phase

printf '\n========== Summary ==========\n'
printf '%s\n' "${timings[@]}"
echo "Sanitizer suite: $(ctest_closing_line build-asan/ctest.log)"
echo "Normal suite (closing line of its ctest run):"
ctest_closing_line build/ctest.log
