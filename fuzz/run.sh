#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build tree from its seed corpus, one after the other.
#   fuzz/run.sh BUILD_DIR LIBFUZZER_OPTION...
#   fuzz/run.sh build-fuzz -runs=20000            (the short runs of ./test.sh)
#   fuzz/run.sh build-fuzz -max_total_time=300    (five minutes each)
# FUZZ_TARGETS="fuzz_ini_file fuzz_grid_text" limits the run to those targets.
# The committed seeds in fuzz/corpus/<target>/ are only read; the inputs a run finds go to
# BUILD_DIR/fuzz-corpus/<target>/. A finding (crash, sanitizer report, broken invariant, leak)
# is kept as BUILD_DIR/fuzz-findings/<target>-crash-..., its log is shown, and the script fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
shift

targets=(${FUZZ_TARGETS:-fuzz_grid_file fuzz_grid_text fuzz_ini_file fuzz_translations fuzz_version_file fuzz_puzzle})
findings="$build/fuzz-findings"
mkdir -p "$findings"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

for target in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$target"
    log="$findings/$target.log"
    mkdir -p "$corpus"
    start=$SECONDS
    if ! "$build/fuzz/$target" "$@" -artifact_prefix="$findings/$target-" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target: FINDING (input kept in $findings/, log in $log)"
        exit 1
    fi
    done_line="$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1)"
    echo "$target: ${done_line#Done } without a finding in $((SECONDS - start)) s," \
        "corpus $(find "$corpus" "$root/fuzz/corpus/$target" -type f | wc -l) inputs"
done
